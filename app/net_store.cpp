#include "net_store.h"

#include "net_form.h"

#include <QSettings>

using namespace fundorix::calc;

namespace {

const QString taxKey = QString::fromUtf8(kNetTaxFieldName);
const QString fundKey = QString::fromUtf8(kFundTypeFieldName);

QString fieldKey(NetField field) { return QString::fromUtf8(netFieldInfo(field).name); }

}

QString NetStore::group() { return QStringLiteral("Netto"); }

void NetStore::read(NetForm& net) const
{
    QSettings settings(QStringLiteral("Wendlich"), QStringLiteral("Fundorix"));
    settings.beginGroup(group());
    if (const auto tax = netTaxFromKey(settings.value(taxKey).toString().toStdString()))
        net.setTax(*tax);
    if (const auto fund = fundTypeFromKey(settings.value(fundKey).toString().toStdString()))
        net.setFund(*fund);
    for (std::size_t i = 0; i < netFieldCount; ++i) {
        const auto field = static_cast<NetField>(i);
        const QVariant value = settings.value(fieldKey(field));
        if (value.typeId() == QMetaType::QString)
            net.setFieldText(field, value.toString());
    }
}

QString NetStore::write(const NetForm& net) const
{
    QSettings settings(QStringLiteral("Wendlich"), QStringLiteral("Fundorix"));
    settings.beginGroup(group());
    settings.setValue(taxKey, QString::fromUtf8(kNetTaxKeys[static_cast<std::size_t>(net.tax())]));
    settings.setValue(fundKey, QString::fromUtf8(kFundTypeKeys[static_cast<std::size_t>(net.fund())]));
    for (std::size_t i = 0; i < netFieldCount; ++i) {
        const auto field = static_cast<NetField>(i);
        settings.setValue(fieldKey(field), net.fieldText(field));
    }
    settings.endGroup();
    settings.sync();
    if (settings.status() != QSettings::NoError)
        return QStringLiteral("Die Netto-Einstellungen konnten nicht in '%1' gespeichert werden")
            .arg(settings.fileName());
    return QString();
}
