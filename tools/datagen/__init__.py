"""Generator of the data files that ship beside the programs (see gen_data.py)."""
