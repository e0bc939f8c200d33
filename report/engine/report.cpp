#include "report/engine/report.h"

#include "report/engine/units.h"

#include <QLocale>
#include <algorithm>

bool TBVReport::s_pageBroken = false;

namespace {

bool usesUsMeasures() { return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem; }

bool spansPrintableWidth(TBVBandType type)
{
    switch (type) {
    case TBVBandType::rbTitle:
    case TBVBandType::rbPageHeader:
    case TBVBandType::rbPageFooter:
    case TBVBandType::rbSummary:
    case TBVBandType::rbOverlay:
        return true;
    default:
        return false;
    }
}

}

TBVReport::TBVReport()
    : m_bandSwitches(*this)
{
    const bool us = usesUsMeasures();
    m_units = us ? TBVUnit::Inches : TBVUnit::MM;
    m_page.setUnits(m_units);
    m_page.setNative(TBVPage::Width, 2100);
    m_page.setNative(TBVPage::Length, 2970);
    if (us)
        m_page.setPaperSize(TBVPaperSize::Letter);
    const long double margin = us ? 127 : 100;
    for (auto index : { TBVPage::TopMargin, TBVPage::BottomMargin, TBVPage::LeftMargin, TBVPage::RightMargin })
        m_page.setNative(index, margin);
    m_font.face = QStringLiteral("Arial");
    m_font.pointSize = 10;
    m_page.setLayoutHandler([this] { arrangeBands(); });
}

TBVReport::~TBVReport()
{
    m_page.setLayoutHandler({});
    m_printables.clear();
    m_bandList.clear();
    m_bands.clear();
}

UnitScale TBVReport::unitScale() const
{
    UnitScale scale;
    scale.zoom = m_zoom;
    scale.fontPointSize = m_font.pointSize;
    return scale;
}

void TBVReport::setUnits(TBVUnit units)
{
    m_units = units;
    applyUnits();
}

void TBVReport::applyUnits()
{
    const UnitScale scale = unitScale();
    m_page.setUnits(m_units);
    m_page.setScale(scale);
    for (const auto& band : m_bands) {
        band->Size().setUnits(m_units);
        band->Size().setScale(scale);
        for (const auto& printable : band->printables()) {
            printable->Size().setUnits(m_units);
            printable->Size().setScale(scale);
        }
    }
    for (const auto& printable : m_printables) {
        printable->Size().setUnits(m_units);
        printable->Size().setScale(scale);
    }
}

void TBVReport::setZoom(int zoom)
{
    if (zoom < 1 || zoom > 300)
        return;
    m_zoom = zoom;
    applyUnits();
}

void TBVReport::setFont(const PageFont& font)
{
    m_font = font;
    applyUnits();
}

QString TBVReport::uniqueBandName(TBVBandType type) const
{
    const QString stem = bandNameStem(type);
    for (int number = 1;; ++number) {
        const QString name = stem + QString::number(number);
        const bool taken
            = std::any_of(m_bands.begin(), m_bands.end(), [&](const auto& band) { return band->Name() == name; });
        if (!taken)
            return name;
    }
}

TBVBand& TBVReport::addBand(TBVBandType type)
{
    auto band = std::make_unique<TBVBand>(*this, type, uniqueBandName(type));
    TBVBand& result = *band;
    m_bands.push_back(std::move(band));
    arrangeBands();
    return result;
}

TBVChildBand& TBVReport::addChildBand(TBVCustomBand& parent)
{
    auto band = std::make_unique<TBVChildBand>(*this, uniqueBandName(TBVBandType::rbChild));
    TBVChildBand& result = *band;
    m_bands.push_back(std::move(band));
    result.setParentBand(&parent);
    return result;
}

void TBVReport::removeBand(TBVCustomBand& band)
{
    for (const auto& other : m_bands) {
        if (auto* child = dynamic_cast<TBVChildBand*>(other.get()); child && child->ParentBand() == &band)
            child->setParentBand(nullptr);
        if (other->LinkBand() == &band)
            other->setLinkBand(nullptr);
    }
    m_bandList.erase(std::remove(m_bandList.begin(), m_bandList.end(), &band), m_bandList.end());
    m_bands.erase(
        std::remove_if(m_bands.begin(), m_bands.end(), [&](const auto& b) { return b.get() == &band; }), m_bands.end());
    arrangeBands();
}

TBVChildBand* TBVReport::childOf(const TBVCustomBand& band) const
{
    for (const auto& other : m_bands) {
        if (auto* child = dynamic_cast<TBVChildBand*>(other.get()); child && child->ParentBand() == &band)
            return child;
    }
    return nullptr;
}

void TBVReport::arrangeBands()
{
    std::vector<TBVCustomBand*> previous = m_bandList;
    for (const auto& band : m_bands) {
        if (std::find(previous.begin(), previous.end(), band.get()) == previous.end())
            previous.push_back(band.get());
    }
    std::vector<TBVCustomBand*> list;
    const auto append = [&](TBVCustomBand* band) {
        // A child chain is bounded: circular parents are refused when they are set.
        for (; band && std::find(list.begin(), list.end(), band) == list.end(); band = childOf(*band))
            list.push_back(band);
    };
    const auto appendType = [&](TBVBandType type, bool firstOnly) {
        for (TBVCustomBand* band : previous) {
            if (band->BandType() == type) {
                append(band);
                if (firstOnly)
                    return;
            }
        }
    };
    appendType(TBVBandType::rbPageHeader, false);
    appendType(TBVBandType::rbTitle, false);
    appendType(TBVBandType::rbColumnHeader, false);
    appendType(TBVBandType::rbTitle, true);
    appendType(TBVBandType::rbDetail, true);
    appendType(TBVBandType::rbSummary, true);
    appendType(TBVBandType::rbPageFooter, false);
    for (TBVCustomBand* band : previous) {
        const auto* child = dynamic_cast<TBVChildBand*>(band);
        if (!child || !child->ParentBand())
            append(band);
    }
    m_bandList = list;

    int topPx = m_page.pixels(TBVPage::TopMargin);
    const int leftPx = m_page.pixels(TBVPage::LeftMargin);
    for (TBVCustomBand* band : m_bandList) {
        const auto* child = dynamic_cast<TBVChildBand*>(band);
        const TBVCustomBand* rule = child && child->rootBand() ? child->rootBand() : band;
        const bool full = spansPrintableWidth(rule->BandType());
        band->Size().setNative(TBVBandSize::Width, full ? m_page.printableWidth() : m_page.columnWidth());
        band->setBounds(QRect(leftPx, topPx, band->bounds().width(), band->bounds().height()));
        topPx += band->bounds().height();
    }
}
