// Collects the areas of the table that one call changes and reports them to the window
// once, when the outermost call ends. The table's announcements and the user's move
// input share one report, so a call reaching into both still ends in one changed().
#pragma once

namespace tess {

class TableEvents;

class ChangeReport {
public:
    explicit ChangeReport(TableEvents& events) : events_(events) {}
    ChangeReport(const ChangeReport&) = delete;
    ChangeReport& operator=(const ChangeReport&) = delete;

    void touch(unsigned areas) { dirty_ |= areas; }
    // Forgets what was touched, reporting nothing (while the window is being built).
    void discard() { dirty_ = 0; }

    // One call: changes inside it are reported once, at the end of the outermost.
    class Scope {
    public:
        explicit Scope(ChangeReport& report) : report_(report) { ++report_.depth_; }
        ~Scope() { report_.leave(); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        ChangeReport& report_;
    };

private:
    void leave();

    TableEvents& events_;
    unsigned dirty_ = 0;
    int depth_ = 0;
};

}  // namespace tess
