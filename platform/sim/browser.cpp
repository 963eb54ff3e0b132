// Simulated shell windows and browsers, and the platform's browser calls on them.
#include <algorithm>

#include "platform/browser.h"
#include "platform/error.h"
#include "platform/forms/form.h"
#include "platform/scope_exit.h"
#include "platform/sim/sim.h"

namespace sim {

namespace {

// E_NOTIMPL and E_NOINTERFACE, as the shell answers them.
constexpr long kNotImplemented = static_cast<long>(0x80004001u);
constexpr long kNoInterface = static_cast<long>(0x80004002u);
// RPC_E_DISCONNECTED: the window behind the browser object has gone.
constexpr long kDisconnected = static_cast<long>(0x80010108u);

template <class Sink>
void Prune(std::vector<std::shared_ptr<Sink>>& sinks) {
    std::erase_if(sinks, [](const auto& sink) { return !sink->connected; });
}

// The hidden window's message that runs the next COM event.
constexpr std::uint32_t kComEventMessage = 0x0400 + 0x0C0E;

}  // namespace

void PostComEvent(std::function<void()> event) {
    auto& p = P();
    if (!p.comWindow) {
        Window apartment;
        apartment.procedures.push_back([](const Message& message) -> std::intptr_t {
            auto& events = P().comEvents;
            if (message.message != kComEventMessage || events.empty()) return 0;
            auto next = std::move(events.front());
            events.pop_front();
            next();
            return 0;
        });
        p.comWindow = CreateWindowRecord(std::move(apartment));
    }
    p.comEvents.push_back(std::move(event));
    Post(Message{p.comWindow, kComEventMessage, 0, 0});
}

int Browsers::open(const std::string& address) {
    BrowserWindow window;
    window.id = nextId++;
    window.address = address;
    windows_.push_back(window);
    postShellEvent(true);
    return window.id;
}

void Browsers::close(int id) {
    std::erase_if(windows_, [id](const BrowserWindow& w) { return w.id == id; });
    postShellEvent(false);
}

BrowserWindow* Browsers::window(int id) {
    auto it = std::find_if(windows_.begin(), windows_.end(), [id](const BrowserWindow& w) { return w.id == id; });
    return it == windows_.end() ? nullptr : &*it;
}

void Browsers::postShellEvent(bool registered) {
    const long cookie = nextCookie++;
    PostComEvent([this, registered, cookie] {
        Prune(shellSinks);
        const auto sinks = shellSinks;  // a handler may connect or disconnect
        for (const auto& sink : sinks) {
            if (!sink->connected) continue;
            const auto& handler = registered ? sink->events.onWindowRegistered : sink->events.onWindowRevoked;
            if (handler) handler(cookie);
        }
    });
}

void Browsers::deliverNewWindow(int id) {
    BrowserWindow* target = window(id);
    if (!target) return;
    Prune(target->sinks);
    const auto sinks = target->sinks;
    bool cancel = false;
    const bool* outer = cancelFlag;
    cancelFlag = &cancel;
    const platform::ScopeExit restore([this, outer] { cancelFlag = outer; });
    for (const auto& sink : sinks)
        if (sink->connected && sink->events.onNewWindow2) sink->events.onNewWindow2(cancel);
    newWindows.push_back(NewWindowRecord{id, cancel});
}

bool Browsers::newWindow(int id) {
    const std::size_t before = newWindows.size();
    P().idleStrikes = 0;
    forms::Dispatch([this, id] { deliverNewWindow(id); });
    Pump();
    return newWindows.size() > before && newWindows[before].cancelled;
}

void Browsers::postNewWindow(int id) {
    PostComEvent([this, id] { deliverNewWindow(id); });
}

void Browsers::statusText(int id, const std::string& text) {
    postStatusText(id, text);
    P().idleStrikes = 0;
    Pump();
}

void Browsers::postStatusText(int id, const std::string& text) {
    PostComEvent([this, id, text] {
        BrowserWindow* target = window(id);
        if (!target) return;
        Prune(target->sinks);
        const auto sinks = target->sinks;
        for (const auto& sink : sinks)
            if (sink->connected && sink->events.onStatusTextChange) sink->events.onStatusTextChange(text);
    });
}

int Browsers::connectedSinks(int id) const {
    auto it = std::find_if(windows_.begin(), windows_.end(), [id](const BrowserWindow& w) { return w.id == id; });
    if (it == windows_.end()) return 0;
    return static_cast<int>(
        std::count_if(it->sinks.begin(), it->sinks.end(), [](const auto& s) { return s->connected; }));
}

int Browsers::connectedShellSinks() const {
    return static_cast<int>(
        std::count_if(shellSinks.begin(), shellSinks.end(), [](const auto& s) { return s->connected; }));
}

namespace {

class SimBrowser : public platform::browser::Browser {
public:
    explicit SimBrowser(int id) : id_(id) {}
    int id() const { return id_; }
    std::string LocationURL() override {
        BrowserWindow* window = M().browsers.window(id_);
        if (!window || window->addressFails) throw platform::Error(kDisconnected, "The browser does not answer");
        return window->address;
    }

private:
    int id_;
};

class SimShellWindows : public platform::browser::ShellWindows {
public:
    void ForEachWindow(const std::function<void(std::shared_ptr<platform::browser::Browser>)>& visit) override {
        auto& browsers = M().browsers;
        if (!browsers.shellAvailable) throw platform::Error(kNotImplemented, "Not implemented");
        // Each call into the shell's process lets waiting messages in.
        for (std::size_t i = 0; i < browsers.windows().size(); ++i) {
            Pump();
            if (i >= browsers.windows().size()) break;
            const BrowserWindow& window = browsers.windows()[i];
            if (!window.isBrowser) throw platform::Error(kNoInterface, "No such interface supported");
            visit(std::make_shared<SimBrowser>(window.id));
        }
    }
};

template <class Sink>
class SimConnection : public platform::browser::Connection {
public:
    explicit SimConnection(std::shared_ptr<Sink> sink) : sink_(std::move(sink)) {}
    ~SimConnection() override { sink_->connected = false; }

private:
    std::shared_ptr<Sink> sink_;
};

}  // namespace

}  // namespace sim

namespace platform::browser {

std::unique_ptr<Connection> Connect(Browser& browser, BrowserEvents events) {
    auto* simulated = dynamic_cast<sim::SimBrowser*>(&browser);
    sim::BrowserWindow* window = simulated ? sim::M().browsers.window(simulated->id()) : nullptr;
    if (!window) throw Error(sim::kDisconnected, "The browser does not answer");
    auto sink = std::make_shared<sim::BrowserSink>(sim::BrowserSink{std::move(events), true});
    window->sinks.push_back(sink);
    return std::make_unique<sim::SimConnection<sim::BrowserSink>>(sink);
}

std::shared_ptr<ShellWindows> OpenShellWindows() {
    ++sim::M().browsers.shellWindowsOpened;
    return std::make_shared<sim::SimShellWindows>();
}

std::unique_ptr<Connection> Connect(ShellWindows&, ShellWindowsEvents events) {
    auto& browsers = sim::M().browsers;
    if (!browsers.shellAvailable) throw Error(sim::kNoInterface, "No such interface supported");
    auto sink = std::make_shared<sim::ShellSink>(sim::ShellSink{std::move(events), true});
    browsers.shellSinks.push_back(sink);
    return std::make_unique<sim::SimConnection<sim::ShellSink>>(sink);
}

}  // namespace platform::browser
