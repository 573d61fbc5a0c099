#pragma once

class QPrinter;

namespace rt {

// The installed printers, of which printing asks only whether there are any and whether one is the
// default, and the session printer that the jobs go to.
class Printers {
public:
    virtual ~Printers() = default;
    virtual int installedCount() const = 0;
    virtual bool hasDefault() const = 0;
    // The default printer at start, changed by the printer dialog. Asked for once per job: a printer
    // that writes files starts a new file for each.
    virtual QPrinter& printer() = 0;
};

} // namespace rt
