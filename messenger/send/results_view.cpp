#include "messenger/send/results_view.h"

#include <algorithm>
#include <set>
#include <utility>

#include "common/fixed_text.h"
#include "messenger/resources/resource.h"
#include "messenger/send/format_text.h"

namespace kivet {
namespace {

std::string ComputerText(std::string_view computer, const TextTable& texts, const TextCodec& codec)
{
    if (computer == kStatusNotFound) return texts.Text(IDS_RESULT_NOT_FOUND);
    if (computer == kStatusInvalidName) return texts.Text(IDS_RESULT_INVALID_NAME);
    if (computer == kStatusNoPermission) return texts.Text(IDS_RESULT_NO_PERMISSION);
    return NormaliseName(codec, computer);
}

std::vector<ResultRow> DistinctRows(const std::vector<ReceiptEntry>& entries, const TextTable& texts,
                                    const TextCodec& codec)
{
    std::vector<ResultRow> rows;
    std::set<std::pair<std::string, std::string>> seen;
    for (const ReceiptEntry& entry : entries) {
        ResultRow row{NormaliseName(codec, FieldText(entry.senderName)),
                      ComputerText(FieldText(entry.senderComputer), texts, codec)};
        if (!seen.insert({row.user, row.computer}).second) continue;
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string FooterText(const ResultsSubject& subject, const TextTable& texts)
{
    if (subject.multipleRecipients) return texts.Text(IDS_SENT_TO_MULTIPLE);
    return FormatText(texts.Text(IDS_SENT_TO_GROUP), {subject.groupName});
}

} // namespace

ResultsView BuildResultsView(const std::vector<ReceiptEntry>& entries, const ResultsSubject& subject,
                             const TextTable& texts, const TextCodec& codec)
{
    ResultsView view;
    view.caption = texts.Text(IDS_SENDING_CAPTION);
    view.userColumn = texts.Text(IDS_COLUMN_USER);
    view.computerColumn = texts.Text(IDS_COLUMN_COMPUTER);
    view.rows = DistinctRows(entries, texts, codec);
    view.headline = FormatText(texts.Text(IDS_RECEIVED_ON_COMPUTERS), {std::to_string(view.rows.size())});
    view.footer = FooterText(subject, texts);
    return view;
}

void SortResultRows(std::vector<ResultRow>& rows, ResultColumn column)
{
    // std::string compares through char_traits<char>, which orders bytes as unsigned char.
    auto key = [column](const ResultRow& row) -> const std::string& {
        return column == ResultColumn::User ? row.user : row.computer;
    };
    std::stable_sort(rows.begin(), rows.end(),
                     [&key](const ResultRow& a, const ResultRow& b) { return key(a).compare(key(b)) < 0; });
}

} // namespace kivet
