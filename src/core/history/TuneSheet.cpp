#include "history/TuneSheet.h"

#include "history/ImageDiff.h"
#include "history/ParameterNames.h"
#include "lang/Captions.h"
#include "lang/CompareTexts.h"
#include "pages/EditorBindings.h"
#include "pages/Pages.h"
#include "pages/Visibility.h"

#include <algorithm>

namespace korvane::history {
namespace {

using lang::CompareTextId;
using pages::EditorBinding;

constexpr std::string_view NoValue = "—";

// Controls inside the groups that the servo and N2O enables hide.
constexpr std::string_view ServoGroup[] = {"UpDownServo_Rpm", "UpDownServo_mV", "UpDownServoHyster"};
constexpr std::string_view N2oGroups[] = {"UpDownGas1",    "UpDownGas2",    "UpDownGasD",    "UpDownGasT",
                                          "UpDownRetard1", "UpDownRetard2", "UpDownRetardD", "UpDownRetardT"};

bool Shown(std::string_view control, const pages::Visibility &visibility)
{
    const auto in = [&](const auto &list) { return std::find(std::begin(list), std::end(list), control) != std::end(list); };
    return (visibility.servoGroup || !in(ServoGroup)) && (visibility.n2oGroups || !in(N2oGroups));
}

std::string Caption(std::string_view control, std::uint8_t language)
{
    return TidyCaption(lang::CaptionText(control, lang::CaptionProperty::Caption, language));
}

SheetCell Heading(std::string text)
{
    SheetCell cell;
    cell.text = std::move(text);
    cell.heading = true;
    return cell;
}

SheetCell Plain(std::string text)
{
    SheetCell cell;
    cell.text = std::move(text);
    return cell;
}


// Header bytes come from the unit and may hold anything.
std::string Printable(const std::string &text)
{
    std::string shown = text;
    for (char &c : shown) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F) {
            c = '?';
        }
    }
    return shown;
}

class SheetBuilder {
public:
    explicit SheetBuilder(const SheetRequest &request)
        : m_language(request.language),
          m_image(request.image),
          m_other(request.against ? &*request.against : nullptr)
    {
    }

    [[nodiscard]] SheetSection Section(std::uint8_t page) const
    {
        SheetSection section;
        section.page = page;
        section.title = PageName(page, m_language);
        const pages::Visibility visibility = pages::DeriveVisibility(m_image, page);
        if (pages::IsMapPage(page)) {
            section.tables.push_back(MapTable(page));
        }
        std::vector<SheetTable> pointTables;
        SheetTable settings;
        if (page == pages::Inj14APage) {
            settings.rows.push_back({Heading(JetModeName(m_language)), JetModeCell()});
        }
        for (const EditorBinding *binding : pages::BindingsOfPage(page)) {
            if (!Shown(binding->control, visibility) || binding->count == model::MapCells ||
                binding->control == "UpDownMapRpm") {
                continue;
            }
            const BindingNamer namer(*binding, m_language);
            if (namer.style() == NameStyle::Point || namer.style() == NameStyle::Temperature) {
                AddPoints(pointTables, *binding, namer);
            } else {
                settings.rows.push_back({Heading(namer.prefix()), Value(*binding, 0)});
            }
        }
        for (SheetTable &table : pointTables) {
            FinishPointTable(table, page);
            section.tables.push_back(std::move(table));
        }
        if (!settings.rows.empty()) {
            section.tables.push_back(std::move(settings));
        }
        return section;
    }

private:
    [[nodiscard]] SheetCell Value(const EditorBinding &binding, std::size_t index) const
    {
        const std::size_t offset = binding.offset + index;
        SheetCell cell;
        cell.text = ValueText(binding, m_image[offset], m_language);
        if (m_other != nullptr && (*m_other)[offset] != m_image[offset]) {
            cell.differs = true;
            cell.other = ValueText(binding, (*m_other)[offset], m_language);
        }
        return cell;
    }

    [[nodiscard]] SheetCell JetModeCell() const
    {
        const std::uint8_t mode = m_image[model::Offset::JetMode];
        SheetCell cell;
        cell.text = JetModeChoice(mode, m_language);
        if (m_other != nullptr && (*m_other)[model::Offset::JetMode] != mode) {
            cell.differs = true;
            cell.other = JetModeChoice((*m_other)[model::Offset::JetMode], m_language);
        }
        return cell;
    }

    // Engine speeds across, the rows' breakpoints down.
    [[nodiscard]] SheetTable MapTable(std::uint8_t page) const
    {
        const EditorBinding &axis = *pages::FindBinding(page, "UpDownMapRpm");
        const EditorBinding &cells = *pages::FindBinding(page, "UpDownMapCell");
        SheetTable table;
        std::vector<SheetCell> head{Heading(Caption("LabelMapTps", m_language) + " / " +
                                            Caption("LabelMapRpm", m_language))};
        for (std::size_t column = 0; column < model::MapColumns; ++column) {
            SheetCell cell = Value(axis, column);
            cell.heading = true;
            head.push_back(std::move(cell));
        }
        table.rows.push_back(std::move(head));
        for (std::size_t row = 0; row < model::MapRows; ++row) {
            std::vector<SheetCell> line{Heading(MapRowText(page, row))};
            for (std::size_t column = 0; column < model::MapColumns; ++column) {
                line.push_back(Value(cells, model::MapColumns * row + column));
            }
            table.rows.push_back(std::move(line));
        }
        return table;
    }

    // Curves and corrections: one table per group, one row per label, the
    // points across. Row 0 is left for the heads.
    void AddPoints(std::vector<SheetTable> &tables, const EditorBinding &binding, const BindingNamer &namer) const
    {
        auto table = std::find_if(tables.begin(), tables.end(), [&](const SheetTable &t) { return t.title == namer.group(); });
        if (table == tables.end()) {
            tables.push_back({namer.group(), {{}}});
            table = tables.end() - 1;
        }
        auto row = std::find_if(table->rows.begin() + 1, table->rows.end(),
                                [&](const auto &r) { return r.front().text == namer.label(); });
        if (row == table->rows.end()) {
            table->rows.push_back({Heading(namer.label())});
            row = table->rows.end() - 1;
        }
        for (std::size_t i = 0; i < binding.count; ++i) {
            const auto column = static_cast<std::size_t>(namer.firstPoint()) + i + 1;
            if (row->size() <= column) {
                row->resize(column + 1);
            }
            (*row)[column] = Value(binding, i);
        }
        if (namer.style() == NameStyle::Temperature) {
            table->rows.front() = {Heading({})};
            for (std::size_t k = 0; k < binding.count; ++k) {
                table->rows.front().push_back(Heading(Caption("LabelKorTeplota" + std::to_string(k), m_language)));
            }
        }
    }

    void FinishPointTable(SheetTable &table, std::uint8_t page) const
    {
        std::size_t columns = 0;
        for (const auto &row : table.rows) {
            columns = std::max(columns, row.size());
        }
        if (table.rows.front().empty()) {
            table.rows.front().push_back(Heading({}));
            for (std::size_t point = 1; point < columns; ++point) {
                table.rows.front().push_back(Heading(std::to_string(point)));
            }
        }
        for (auto &row : table.rows) {
            row.resize(columns);
        }
        // The starting correction begins at a fixed time and ends at a fixed
        // correction; the page shows them as labels where editors would be.
        if (page == pages::KorekcePage && table.title == Caption("GroupBoxSytic", m_language) && table.rows.size() == 3 &&
            columns == 6) {
            table.rows[1][1].text = Caption("LabelSyticCas0", m_language);
            table.rows[2][5].text = Caption("LabelSyticKorekce4", m_language);
        }
    }

    std::uint8_t m_language;
    const model::ConfigImage &m_image;
    const model::ConfigImage *m_other;
};

SheetTable Summary(const std::vector<DiffEntry> &entries, std::uint8_t language)
{
    SheetTable table;
    table.rows.push_back({Heading(lang::CompareText(CompareTextId::Page, language)),
                          Heading(lang::CompareText(CompareTextId::Parameter, language)),
                          Heading(lang::CompareText(CompareTextId::Value, language)),
                          Heading(lang::CompareText(CompareTextId::OtherValue, language)),
                          Heading(lang::CompareText(CompareTextId::Difference, language))});
    for (const DiffEntry &entry : entries) {
        table.rows.push_back({Plain(PageName(entry.page, language)), Plain(entry.parameter), Plain(entry.a),
                              Plain(entry.b), Plain(entry.deltaText())});
    }
    return table;
}

}  // namespace

std::vector<std::uint8_t> VisiblePages(const model::ConfigImage &image)
{
    const pages::Visibility visibility = pages::DeriveVisibility(image, pages::AdvancePage);
    std::vector<std::uint8_t> shown;
    for (std::uint8_t page = 0; page < pages::PageCount; ++page) {
        if ((page == pages::Inj23APage && !visibility.inj23ATab) ||
            (page == pages::LadeniPage && !pages::Visibility::TuningTab)) {
            continue;
        }
        shown.push_back(page);
    }
    return shown;
}

std::string FirmwareText(const model::ConfigImage &image)
{
    if (image[model::Offset::LayoutVersion] != model::SupportedLayoutVersion) {
        return {};
    }
    const model::VersionTexts texts = model::DecodeHeader(image);
    return Printable(texts.version) + "  " + Printable(texts.date) + " " + Printable(texts.time);
}

TuneSheet BuildTuneSheet(const SheetRequest &request)
{
    const std::uint8_t language = request.language;
    TuneSheet sheet;
    sheet.title = lang::CompareText(CompareTextId::SheetTitle, language);
    const std::string firmware = FirmwareText(request.image);
    sheet.header = {
        {Caption("LabelBike", language), ModelName(request.image[model::Offset::BikeType], language)},
        {Caption("LabelFile1", language), request.name},
        {lang::CompareText(CompareTextId::Firmware, language), firmware.empty() ? std::string(NoValue) : firmware},
        {lang::CompareText(CompareTextId::Date, language), request.date},
    };
    if (request.against) {
        sheet.header.push_back({lang::CompareText(CompareTextId::ComparedWith, language), request.againstName});
        const std::vector<DiffEntry> entries = ImageDiff(request.image, *request.against, {language, false});
        sheet.summaryTitle = entries.empty()
                                 ? lang::CompareText(CompareTextId::NoDifferences, language)
                                 : lang::CompareText(CompareTextId::DifferenceCount, language,
                                                     {std::to_string(entries.size())});
        sheet.summary = Summary(entries, language);
        sheet.legend = lang::CompareText(CompareTextId::Legend, language);
    }
    const SheetBuilder builder(request);
    for (const std::uint8_t page : VisiblePages(request.image)) {
        sheet.sections.push_back(builder.Section(page));
    }
    return sheet;
}

}  // namespace korvane::history
