#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QString>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "frontend/form1.h"
#include "frontend/form2.h"
#include "frontend/module1.h"
#include "frontend/result_data.h"
#include "platform/message_box.h"
#include "result_file_writer.h"

namespace viewer_test {

// The main window in a temporary working directory, shown on the offscreen platform, with message boxes
// captured; the result viewer is opened through the main window's button.
class ViewerTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a result file of the engine's layout into the working directory.
    void WriteResult(const std::string& name, const frontend::ResultTallies& tallies);
    void WriteFile(const std::string& name, const std::string& bytes) { dir_.write(name, bytes); }

    // "シミュレーション結果表示" of the main window.
    void OpenViewer();
    // Clicks a name in the file list, as the user picks it.
    void ChooseFile(const QString& name);
    // A file chosen and loaded with "OK".
    void Load(const QString& name);

    static void Press(QWidget* button);
    // Replaces a box's text by typing it.
    static void Type(QWidget* box, const QString& text);
    static void PressEnter(QWidget* box);
    // The pointer moved to height y of the image area, and a click there.
    void MoveMouse(double y);
    void ClickImageArea(double y);

    // The grey (0 … 255) drawn for value (k, i, j) of the image area, -1 where the four pixels of its
    // square are not one grey.
    int DrawnGrey(int k, int i, int j) const;
    // The image row whose primary profile is drawn, found from where the profile touches the top edge,
    // which only values of M and more reach; -1 when it touches nowhere.
    int ProfiledPeakRow() const;
    // Whether the profile area shows no curve at all, as for row 0, which holds no data: its profiles run at
    // the height 256, just above the top edge (255).
    bool NoProfileBelowTheTopEdge() const;

    std::vector<QString> Messages() const { return messages_->texts(); }
    frontend::Form1& viewer() { return form_->form1(); }

    TempDir dir_;
    std::filesystem::path previous_dir_;
    std::unique_ptr<platform::MessageCapture> messages_;
    std::unique_ptr<frontend::Module1> module_;
    std::unique_ptr<frontend::Form2> form_;
};

// The small result file most viewer tests load. Its central maximum M is 510, so a tally v gives the grey
// 255 − v / 2 exactly:
// - primary (r, r) = 510 on the whole diagonal: black, and row r's primary profile touches the top edge at
//   column r;
// - primary (5, 150) = 2000, in the edge and above M: black;
// - scattered (50, 60) = 253: grey 128.5, drawn 128 (halves to even);
// - primary (30, 40) = 100 and scattered (31, 40) = 100: grey 205 in all three images;
// - spectra: none (all 0).
std::unique_ptr<frontend::ResultTallies> SmallResult();

}  // namespace viewer_test
