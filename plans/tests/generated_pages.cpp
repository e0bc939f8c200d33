#include "generated_pages.h"

#include "plans/plan_definition.h"
#include "report/emf/emf_player.h"
#include "report/emf/painter_canvas.h"
#include "report/engine/report.h"

#include <QPainter>

void GeneratingOutput::preview(PlanDefinition& definition)
{
    auto printer = std::make_unique<TBVPrinter>();
    definition.report()->generate(*printer);
    printers.push_back(std::move(printer));
}

QStringList pageTexts(const TBVPrinter& printer, int page)
{
    QStringList texts;
    const std::unique_ptr<EmfPage> picture = printer.GetPage(page);
    for (const EmfText& text : EmfPlayer(*picture).texts())
        texts << text.text;
    return texts;
}

QImage renderPage(const TBVPrinter& printer, int page)
{
    const std::unique_ptr<EmfPage> picture = printer.GetPage(page);
    QImage image(picture->sizePx(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas canvas(painter, 96, 96);
    EmfPlayer(*picture).play(canvas);
    return image;
}
