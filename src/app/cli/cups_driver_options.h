#pragma once

#include <QString>

// What a queue's driver description (PPD) says about printing discs, for
// the options the IPP destination API does not report.
struct DriverHubOption {
    QString option;         // the option that prints down to the hub, empty if none
    QString choice;         // its choice that does
    double normalHubMm = 0; // the hub the driver leaves blank by default
};

// Reads `queue`'s PPD from the server; an empty result when it has none.
DriverHubOption ReadDriverHubOption(const QString& queue);
