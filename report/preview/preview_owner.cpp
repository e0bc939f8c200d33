#include "report/preview/preview_owner.h"

QString previewCommandName(TBVPreviewCommand command)
{
    switch (command) {
    case TBVPreviewCommand::Created:
        return QStringLiteral("Create");
    case TBVPreviewCommand::Closed:
        return QStringLiteral("Close");
    case TBVPreviewCommand::Copy:
        return QStringLiteral("Copy");
    case TBVPreviewCommand::Print:
        return QStringLiteral("Print");
    case TBVPreviewCommand::PrintSetup:
        return QStringLiteral("PrintSetup");
    case TBVPreviewCommand::Load:
        return QStringLiteral("Load");
    case TBVPreviewCommand::Save:
        return QStringLiteral("Save");
    case TBVPreviewCommand::Cancel:
        return QStringLiteral("Cancel");
    }
    return {};
}
