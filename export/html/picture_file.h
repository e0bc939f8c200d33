#pragma once

#include <QString>

// Where the picture of an image control goes when a report is saved as HTML.
// Pictures are written beside the HTML file and named after it, so that the
// page finds them whatever the process's current folder is, and so that two
// plans saved into one folder keep their own charts.
struct PictureFile {
    QString path; // where the JPEG file is written
    QString source; // the relative name the img element uses
};

// "plan.htm" and "BVImage1" give "plan_BVImage1.jpg" in the HTML file's
// folder; a picture folder, if set, is taken relative to that folder. Without
// an HTML file name the picture is named after the control alone.
PictureFile pictureFileFor(const QString& htmlFileName, const QString& controlName, const QString& pictureDir);
