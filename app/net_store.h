#pragma once

#include <QString>

class NetForm;

// The user's net options in the per-user settings store (as the chart
// colours: organisation "Wendlich", application "Fundorix"), group "Netto":
// the two choices by their command-line keys ("abgeltung", "aktien"), the
// five fields as typed. Read at start-up, written when the window closes; the
// plan's settings file never holds them.
class NetStore {
public:
    static QString group();

    // Missing or unknown values leave the form's option as it is.
    void read(NetForm& net) const;
    // Returns an empty string when the store took them, otherwise the
    // message for the error box.
    QString write(const NetForm& net) const;
};
