#include "messenger/browser/details_values.h"

#include "common/fixed_text.h"

namespace kivet {
namespace {

std::string OrNotAvailable(std::string value)
{
    return value.empty() ? std::string("N/A") : value;
}

} // namespace

std::array<std::string, 5> DetailsValues(const ResolutionRecord& record, const TextCodec& codec)
{
    return {OrNotAvailable(NormaliseName(codec, FieldText(record.computerName))),
            OrNotAvailable(NormaliseName(codec, FieldText(record.userName))),
            OrNotAvailable(std::string(FieldText(record.workgroupName))),
            OrNotAvailable(std::string(FieldText(record.macAddress))),
            OrNotAvailable(std::string(FieldText(record.ipAddress)))};
}

} // namespace kivet
