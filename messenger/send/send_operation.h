// One send in progress: the request, the services and the entries delivered so far. The steps
// for each kind of recipient are member functions kept in a file each (network_group_send.cpp,
// my_group_send.cpp, individual_send.cpp); sending_thread.cpp holds the loop and its end.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "messenger/browser/name_resolution.h"
#include "messenger/send/send_services.h"

namespace kivet {

// How the outcome for one recipient is told: in its own message box (a single recipient) or as
// a row of the results (a multi-recipient list, and every member of a My Group).
enum class Report { Boxes, Table };

enum class EntryOutcome {
    Delivered,
    NotDelivered,
    EndedAfterDomain, // a domain send from a single-recipient list ends the whole operation
    StopSending,      // the user refused the plain fallback: no further entries
};

// A Network Group named in the list, or as a member of a My Group (which shows no results of its
// own and reports a missing permission as a row).
enum class GroupUse { Entry, Member };

// The way a message goes to a resolved computer after asking the secure exchange.
enum class Way { Enciphered, Plain, Skip, StopSending };

class SendOperation {
public:
    SendOperation(const SendRequest& request, SendServices& services);
    int Run();

private:
    // sending_thread.cpp
    EntryOutcome SendEntry(const std::string& entry);
    EntryOutcome SendToDomain(const std::string& entry);
    EntryOutcome SendToLocal(const std::string& entry, Report report);
    int EndAfterDomain();
    void CommonEnd();
    void ShowResults(const ResultsSubject& subject);
    void AddDeliveredToQuickList();
    Report EntryReport() const { return multiRecipient_ ? Report::Table : Report::Boxes; }
    bool SendPlainTo(std::string_view target, std::string_view recipient);
    std::string Shown(std::string_view name) const; // the normalised form of a name

    // network_group_send.cpp
    EntryOutcome SendToNetworkGroup(const std::string& entry, GroupUse use);
    bool MaySendToGroup(const std::string& group);
    void WriteGroupDatagrams(const std::string& group);
    void WriteToDomains(const std::string& group);
    void WriteToComputers(const std::string& group);
    void CollectReceipts();

    // my_group_send.cpp
    EntryOutcome SendToMyGroup(const std::string& entry);
    EntryOutcome SendToMember(const std::string& member);

    // individual_send.cpp
    EntryOutcome SendToIndividual(const std::string& entry, Report report);
    Way ChooseWay(std::string_view computer);
    Way AfterSecureFailure();
    Way AfterNoSecureMessenger();
    void ReportDelivered(const std::string& entry, const ResolutionRecord& record, Report report);
    void ShowDelivered(const std::string& entry, const ResolutionRecord& record);
    void ReportNotFound(const std::string& entry, Report report, bool offerRelay);
    void StoreOnRelayServer(const std::string& entry);

    const SendRequest& request_;
    SendServices& s_;
    const SendSettings& settings_;
    std::string text_;
    bool multiRecipient_ = false;
    std::vector<std::string> delivered_;
};

} // namespace kivet
