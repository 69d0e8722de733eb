#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "frontend/form2.h"
#include "frontend/module1.h"
#include "platform/message_box.h"
#include "scratch.h"

class QWidget;

namespace frontend_test {

// The main window opened in a scratch working directory that holds the voxel maps, the two source texts
// and stand-ins for tubegen and both engine builds, which note their start in "started.txt". PATH holds
// only a stand-in terminal that runs what it is given. Message boxes are captured.
class FrontEndTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Presses a button, or selects an option button, with the mouse, as the user does.
    static void Press(QWidget* control);
    // Replaces a box's text by typing it.
    static void Type(QWidget* box, const QString& text);

    // The programs started so far, by name, waiting up to a few seconds for `at_least` of them.
    std::vector<std::string> Started(std::size_t at_least = 1) const;
    // After a short grace for a detached start: whether nothing was started.
    bool NothingStarted() const;
    std::vector<QString> Messages() const { return messages_->texts(); }

    // "Phantom.dat" of the working directory, or nothing when there is none.
    std::optional<std::string> PhantomDat() const;

    // The phantom settings' "OK" after choosing: phantom option 1-3, thickness, field option 4-6, grid.
    void AcceptPhantom(int phantom, const QString& thickness, int field, bool grid);

    std::filesystem::path work() const { return dir_.path() / "work"; }

    ScratchDir dir_;
    std::unique_ptr<CurrentDir> cd_;
    std::unique_ptr<PathVariable> path_;
    std::unique_ptr<platform::MessageCapture> messages_;
    std::unique_ptr<frontend::Module1> module_;
    std::unique_ptr<frontend::Form2> form_;
};

}  // namespace frontend_test
