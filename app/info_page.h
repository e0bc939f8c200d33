#pragma once

#include <QWidget>

// The page "Info": tips for using the calculator for loans, and the link to
// the maker's tips page (opened with the desktop's handler for web addresses).
class InfoPage : public QWidget {
    Q_OBJECT
public:
    explicit InfoPage(QWidget* parent = nullptr);

    static QString memoText();
};
