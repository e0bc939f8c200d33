#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

class ExtraGrid;
class FormModel;

// Whether the user may create files in `folder`: the file system must allow
// it, and the folder must not belong to the installed system under /usr.
bool userMayWriteFolder(const QString& folder);

// The per-user folder beside the colour store, normally ~/.config/Wendlich.
QString perUserSettingsFolder();

// Where the settings file lives: "Fundorix.ini" in the program's folder, or
// the first command-line argument; an argument without any "." gets
// "Rechner.ini" glued on (so a folder argument ending in "/" names a file in
// that folder). An installed program's folder (/usr/bin) is not the user's to
// write, and a file there could never keep the inputs: then, without an
// argument, the file is "Fundorix.ini" in the per-user folder instead.
QString settingsFilePath(const QString& programDir, const QStringList& arguments,
    const std::function<bool(const QString&)>& mayWriteFolder = userMayWriteFolder);

// What a settings file holds, as far as it could be read. Reading stops
// silently at the first line it cannot use; the fields present are applied,
// the rest keep what they had.
struct SettingsContent {
    QStringList fieldTexts; // lines 1 to 6: AnlageSumme, Rendite, ComboBox1, Sparen, Dividente, Jahre
    std::optional<int> years; // line 6 as a whole number; absent when it is none
    std::optional<QString> yearlyAmount; // line 7 unless it is the row marker
    std::array<QStringList, 3> gridRows; // cells of columns 1.. of each grid row
};

SettingsContent parseSettings(const QByteArray& bytes);

// The file's bytes for the current form: Windows-1252, CR LF.
QByteArray composeSettings(const FormModel& form);

// Puts the content into the form in the order the file lists it, each field
// write running the recompute as a typed change would.
void applySettings(FormModel& form, const SettingsContent& content);

// Reads the file at start-up; a missing or unreadable file leaves the form
// as it is. Returns whether the file could be opened.
bool readSettingsFile(FormModel& form, const QString& path);

// Writes the file completely beside the old one and then replaces it, so a
// failure never destroys the previous settings. The per-user folder is made
// when it is missing; any other folder is the user's choice and must exist. Returns an empty string on
// success, otherwise the message for the error box.
QString writeSettingsFile(const FormModel& form, const QString& path);
