// Reads arbitrary bytes as a settings file into a fresh form (every field
// write runs the recompute), writes the form back, and checks that reading
// that file gives the very same file again.
#include "form_model.h"
#include "form_services.h"
#include "settings_file.h"

#include <cstddef>
#include <cstdint>

namespace {

class SilentServices : public FormServices {
public:
    QString inputBox(const QString&, const QString&, const QString& preset) override { return preset; }
    void showError(const QString&) override { }
    void showInformation(const QString&) override { }
    void showMessage(const QString&) override { }
    void setBusy(bool) override { }
};

QByteArray readAndWriteBack(const QByteArray& bytes)
{
    SilentServices services;
    FormModel form(services);
    applySettings(form, parseSettings(bytes));
    form.recompute();
    return composeSettings(form);
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QByteArray written = readAndWriteBack(input);
    if (readAndWriteBack(written) != written)
        __builtin_trap();
    return 0;
}
