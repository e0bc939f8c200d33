#pragma once

#include "report/engine/report_run.h"

#include <QWidget>
#include <functional>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;

// The progress window of an export or print run: stays on top, centred on
// the screen, with a progress bar, a centred label and a "Cancel" button.
// It is never modal: the run goes on while it shows, and the run's event
// pump lets its button be pressed.
class TBVProgressForm : public QWidget, public TBVRunProgress {
    Q_OBJECT
public:
    TBVProgressForm(const QString& caption, std::function<void()> cancel);

    // The window of a run, shown at once: captioned after the run's kind,
    // its "Cancel" cancels the run.
    static std::unique_ptr<TBVRunProgress> forRun(TBVReportRun& run);

    // Only multiples of 5 move the bar and the label.
    void setPercent(int percent) override;
    void setCaption(const QString& caption) override;

    QProgressBar* progressBar() const { return m_bar; }
    QLabel* label() const { return m_label; }
    QPushButton* cancelButton() const { return m_cancelButton; }

private:
    void centreOnScreen();

    QProgressBar* m_bar;
    QLabel* m_label;
    QPushButton* m_cancelButton;
};

// The label's text at p percent, for example "40%  Completed".
QString progressText(int percent);
// The window's caption for a run of that kind.
QString progressCaption(TBVRunKind kind);
