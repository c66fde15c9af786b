#include "messenger/browser/scan_tables.h"

#include "common/fixed_text.h"

namespace kivet {
namespace {

const ScannedComputer* FindComputer(const ScanTables& tables, std::string_view name)
{
    for (const ScannedComputer& computer : tables.computers)
        if (EqualsNoCase(FieldText(computer.name), name)) return &computer;
    return nullptr;
}

const ScannedUser* FindUser(const ScanTables& tables, std::string_view name)
{
    for (const ScannedUser& user : tables.users)
        if (EqualsNoCase(FieldText(user.name), name)) return &user;
    return nullptr;
}

} // namespace

std::string ScannedComputerOf(const ScanTables& tables, std::string_view name)
{
    if (name.empty()) return {};
    if (const ScannedComputer* computer = FindComputer(tables, name)) return std::string(FieldText(computer->name));
    if (const ScannedUser* user = FindUser(tables, name)) return std::string(FieldText(user->computer));
    return {};
}

uint8_t ScannedStateOf(const ScanTables& tables, std::string_view name)
{
    if (name.empty()) return kScanOffline;
    if (const ScannedComputer* computer = FindComputer(tables, name)) return computer->state;
    if (const ScannedUser* user = FindUser(tables, name)) return user->state;
    return kScanOffline;
}

} // namespace kivet
