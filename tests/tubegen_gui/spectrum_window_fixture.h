#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QPointF>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "platform/message_box.h"
#include "tubegen/form2.h"
#include "tubegen/module1.h"

namespace tubegen_gui {

// A working directory with the shipped attenuation data and composition files, and the spectrum window
// opened in it, shown on the offscreen platform. Message boxes are captured.
class SpectrumWindowTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Presses a button as the user does, with the mouse.
    static void Press(QWidget* button);
    // Selects an option button or ticks a check box with the mouse.
    static void Choose(QWidget* option) { Press(option); }
    // Replaces a box's text by typing.
    static void Type(QWidget* box, const QString& text);
    // Moves the mouse to user coordinates of Picture3.
    void MoveMouse(double x, double y);
    // Presses a key where the keyboard focus is.
    void PressKey(Qt::Key key);

    // The spectrum file as UTF-8 lines (without their CR LF); empty when there is none.
    std::vector<std::string> SpectrumFileLines() const;
    bool SpectrumFileExists() const;

    // The pixel of Picture3's drawing at user coordinates, and the rows and columns holding a colour.
    QColor PlotPixel(double x, double y) const;
    int CountPlotPixels(const QColor& color) const;
    int TopmostPlotRow(const QColor& color) const;

    // Adds a filter through the picker: "設定", the file, the thickness, "OK".
    void AddFilter(const QString& file, const QString& thickness_mm);

    QTemporaryDir dir_;
    QString previous_dir_;
    std::unique_ptr<platform::MessageCapture> messages_;
    tubegen::Module1 module_;
    std::unique_ptr<tubegen::Form2> form_;
};

}  // namespace tubegen_gui
