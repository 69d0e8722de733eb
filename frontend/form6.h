#pragma once

#include <QWidget>

#include "frontend/module1.h"

class QLabel;
class QPushButton;

namespace platform {
class Picture;
}

namespace frontend {

// The spectra view: on the left the spectrum entering the phantom against the one leaving it, both over
// the entering maximum; on the right the leaving spectrum split into primary and scattered photons, over
// its own maximum. It shows the plots of the result viewer's last "OK".
class Form6 : public QWidget {
    Q_OBJECT

  public:
    explicit Form6(const Module1& module);

    // Draws both plots from IncidentPlot and ExitPlot; the result viewer's "射出スペクトル" then shows the
    // window.
    void DrawPlots();

    void Command6_Click();

    platform::Picture* Picture1;
    platform::Picture* Picture2;
    QLabel* Label8;
    QLabel* Label6;
    QLabel* Label1;
    QLabel* Label10;
    QLabel* Label2;
    QLabel* Label9;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label7;
    QPushButton* Command6;

  private:
    const Module1& m_;
};

}  // namespace frontend
