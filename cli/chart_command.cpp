// fundorix-cli chart: the chart of the plan as a PNG picture, laid out and
// drawn exactly as the printed plans embed it.
#include "argument_parser.h"
#include "chart_binding.h"
#include "command.h"
#include "form_session.h"

#include <QImageWriter>
#include <QRegularExpression>
#include <cstdio>
#include <optional>

namespace {

const QSize planSize(600, 400);
// Larger pictures only cost memory; nobody prints a chart this big.
constexpr int largestSide = 10000;

std::optional<QSize> parseSize(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,5})x([0-9]{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
    if (size.width() < 1 || size.height() < 1 || size.width() > largestSide || size.height() > largestSide)
        return std::nullopt;
    return size;
}

QString checkUsage(const ParsedArguments& parsed, QString& output, QSize& size, QString& settings)
{
    if (!parsed.error.isEmpty())
        return parsed.error;
    output = parsed.values.value(QStringLiteral("-o"));
    if (output.isEmpty())
        return QStringLiteral("chart needs -o FILE.png");
    if (parsed.values.contains(QStringLiteral("--size"))) {
        const std::optional<QSize> asked = parseSize(parsed.values.value(QStringLiteral("--size")));
        if (!asked)
            return QStringLiteral("--size wants WIDTHxHEIGHT, each 1 to %1 pixels").arg(largestSide);
        size = *asked;
    }
    QString error;
    takeSettingsArgument(parsed.positionals, settings, error);
    return error;
}

int runChart(const QStringList& arguments)
{
    const ParsedArguments parsed = parseArguments(arguments, { QStringLiteral("-o"), QStringLiteral("--size") }, {});
    QString output;
    QSize size = planSize;
    QString settings;
    const QString error = checkUsage(parsed, output, size, settings);
    if (!error.isEmpty())
        return usageError(error);

    ChartBinding chart;
    FormSession session(settings, &chart);
    QImageWriter writer(output, "png");
    if (!writer.write(chart.render(size))) {
        std::fprintf(stderr, "fundorix-cli: cannot write '%s': %s\n", output.toUtf8().constData(),
            writer.errorString().toUtf8().constData());
        return exitFailure;
    }
    return exitSuccess;
}

const CommandRegistration registration(
    { "chart", "  fundorix-cli chart -o FILE.png [--size WxH] [SETTINGS]\n", runChart, true });

}
