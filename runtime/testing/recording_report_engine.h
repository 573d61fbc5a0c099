#pragma once

#include "../error.h"
#include "../report/report_engine.h"

#include <QList>
#include <QStringList>
#include <algorithm>
#include <array>
#include <map>
#include <vector>

namespace rt {

// Logs every setting and takes a snapshot of them at each start; a start can raise a scripted error,
// and after each start status() reads a scripted sequence (0, 0, 1: two reads give 0), its last value
// repeating.
class RecordingReportEngine : public ReportEngine {
public:
    struct Snapshot {
        QString reportFile;
        std::array<QString, 5> dataFiles;
        QString formula, title;
        int destination = report_destination::Printer;
        bool operator==(const Snapshot&) const = default;
    };

    void setDataFile(int index, const QString& path) override {
        note(QStringLiteral("DataFiles(%1) %2").arg(index).arg(path));
        current.dataFiles.at(size_t(index)) = path;
    }
    void setReportFile(const QString& path) override {
        note(QStringLiteral("ReportFileName ") + path);
        current.reportFile = path;
    }
    void setWindowTitle(const QString& title) override {
        note(QStringLiteral("WindowTitle ") + title);
        current.title = title;
    }
    void setSelectionFormula(const QString& formula) override {
        note(QStringLiteral("SelectionFormula ") + formula);
        current.formula = formula;
    }
    void setDestination(int destination) override {
        note(QStringLiteral("Destination %1").arg(destination));
        current.destination = destination;
    }
    void start() override {
        note(QStringLiteral("start"));
        starts.append(current);
        reads_ = 0;
        const auto error = errorAtStart.find(int(starts.size()));
        if (error != errorAtStart.end())
            throw RuntimeError(error->second, QStringLiteral("Scripted report error"));
    }
    int status() const override {
        if (starts.isEmpty() || statusSequence.empty()) return 0;
        ++statusReads;
        return statusSequence[std::min(reads_++, statusSequence.size() - 1)];
    }

    Snapshot current{};
    QStringList log;
    QList<Snapshot> starts;
    std::map<int, int> errorAtStart; // the start's number, from 1, and the error it raises
    std::vector<int> statusSequence{1};
    mutable int statusReads = 0;

private:
    void note(const QString& entry) { log << entry; }
    mutable size_t reads_ = 0;
};

} // namespace rt
