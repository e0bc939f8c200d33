#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class FormLabel;

// The information window: program name, the maker's logo, address and
// links, the version, and an OK button. Only a close box, fixed size,
// centred on the screen.
class TInformation : public QDialog {
    Q_OBJECT
public:
    explicit TInformation(QWidget* owner = nullptr);

    // The texts the menu command sets before showing the window.
    void setProgramTexts(const QString& name, const QString& platforms, const QString& version);

    static QString authorLine();
    static QString contactLine();
    static QString mailAddress();

private:
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    QLabel* m_version = nullptr;
};

// "Fundo&rix" in the menu "&Info" (Info1Click): shows the information window
// modally over `owner` and destroys it once the user has closed it.
void showInformationWindow(QWidget* owner);
