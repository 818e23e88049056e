#include "sim/SimController.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <deque>
#include <optional>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/inotify.h>
#include <unistd.h>

#include "link/CommPortList.h"
#include "program/TextSplit.h"
#include "sim/ControllerMemory.h"
#include "sim/SimPty.h"

namespace {

using Clock = std::chrono::steady_clock;

// 11 bits per byte (start, 8 data, parity, stop) at 9600 baud.
constexpr auto kByteTime = std::chrono::nanoseconds(1000000000LL * 11 / 9600);
// A reader that takes nothing for this long has gone; the rest is dropped.
constexpr auto kStallLimit = std::chrono::seconds(10);
constexpr std::size_t kOverlongLine = 100000;
constexpr std::size_t kEndlessLine = 256 * 1024;
constexpr std::size_t kLongestCommand = 64 * 1024;
const char kListKinds[] = "BMNSVAR";

bool IsListKind(char kind)
{
    return kind != '\0' && std::strchr(kListKinds, kind) != nullptr;
}

bool AllDigits(const std::string& text)
{
    return text.find_first_not_of("0123456789") == std::string::npos;
}

std::string Noise(std::size_t count)
{
    // Bytes of every kind, line ends among them, but never a line that reads
    // as "ok" or "?".
    std::string noise;
    unsigned state = 12345;
    while (noise.size() < count) {
        state = state * 1103515245u + 12345u;
        char byte = static_cast<char>((state >> 16) & 0xFF);
        if (byte == 'o' || byte == '?')
            byte = 'x';
        noise += byte;
    }
    return noise;
}

std::vector<unsigned char> DefaultLearnedRaw()
{
    std::vector<unsigned char> code(512);
    for (std::size_t i = 0; i < code.size(); ++i)
        code[i] = static_cast<unsigned char>((i * 7 + 1) & 0x7F);
    return code;
}

} // namespace

struct SimController::Impl {
    struct FaultSpec {
        Fault fault = Fault::None;
        std::string commandPrefix;
        std::size_t afterBytes = 0;
    };
    struct BlockIn {
        bool active = false;
        std::string number;
        std::size_t expected = 0;
        std::size_t seen = 0;
        std::vector<unsigned char> bytes;
        FaultSpec fault;
    };

    // A byte from the link and the moment its last bit arrives on the line.
    struct Incoming {
        unsigned char byte;
        Clock::time_point arrival;
    };

    explicit Impl(Options opts);
    ~Impl();

    void Run();
    void ServeRequests();
    void ReadInput();
    void TakeDueInput();
    bool WatchSignalled();
    void HandleByte(unsigned char byte);
    void HandleCommand(const std::string& command);
    std::string Answer(const std::string& command, const FaultSpec& fault);
    std::string BlockRequest(const std::string& number, const FaultSpec& fault);
    std::string BlockReply(const std::string& number, const FaultSpec& fault);
    void BlockByte(unsigned char byte);
    void Reply(const std::string& bytes, const FaultSpec& fault);
    bool Send(const std::string& bytes);
    bool LinkLetGo();
    void ResetExchange();
    void Pause(std::chrono::milliseconds duration);
    bool PauseUntil(Clock::time_point until);
    void DrainWake();
    void CloseLine();
    FaultSpec FaultFor(const std::string& command) const;

    const Options options;
    SimPty pty;
    const std::string devicePath;
    std::string announcePath;
    int wake[2] = {-1, -1};
    int watch = -1;
    std::thread thread;
    std::atomic<bool> stopping{false};

    mutable std::mutex mutex;
    std::condition_variable changed;
    ControllerMemory memory;
    std::string learnedAlias = "20DF10EF";
    std::string learnedNec = "20DF10EF R 1";
    std::vector<unsigned char> learnedRaw = DefaultLearnedRaw();
    std::size_t blockSize = 512;
    FaultSpec fault;
    std::map<std::string, std::string> scripts;
    std::string outbox;
    bool disconnectRequested = false;
    bool connected = true;
    std::vector<unsigned char> bytesIn;
    std::vector<unsigned char> bytesOut;
    std::vector<std::string> commands;

    // Used by the thread only.
    std::string pendingCommand;
    BlockIn block;
    // Paced: when each direction of the line is free for its next byte, and
    // the bytes from the link that are still on their way.
    Clock::time_point outputFree = Clock::now();
    Clock::time_point inputFree = Clock::now();
    std::deque<Incoming> incoming;
    // Paced: the moment the byte being handled arrived. The controller
    // answers from then on, however late this thread woke up to it.
    std::optional<Clock::time_point> reactionTime;
};

SimController::Impl::Impl(Options opts)
    : options(std::move(opts)), devicePath(pty.SlavePath())
{
    if (pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0)
        throw std::runtime_error("no pipe for the simulated controller");
    // Tells when the link closes the port, so that an exchange it gave up
    // half-way is not continued into the next link's commands.
    watch = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    if (watch >= 0 && inotify_add_watch(watch, devicePath.c_str(), IN_CLOSE) < 0) {
        close(watch);
        watch = -1;
    }
    if (options.announce) {
        std::string folder = options.announceDir.empty() ? CommPortList::AnnounceDirectory()
                                                         : options.announceDir;
        announcePath = WriteAnnounceFile(folder, devicePath, options.announceName);
    }
    thread = std::thread([this] { Run(); });
}

SimController::Impl::~Impl()
{
    stopping = true;
    if (write(wake[1], "x", 1) < 0) {
        // The pipe is full, so the thread wakes anyway.
    }
    thread.join();
    CloseLine();
    if (watch >= 0)
        close(watch);
    close(wake[0]);
    close(wake[1]);
}

void SimController::Impl::Run()
{
    while (!stopping) {
        ServeRequests();
        if (WatchSignalled() && LinkLetGo())
            ResetExchange();
        if (!incoming.empty()) {
            TakeDueInput();
            continue;
        }
        pollfd fds[3] = {{wake[0], POLLIN, 0}, {watch, POLLIN, 0}, {pty.Master(), POLLIN, 0}};
        const nfds_t count = pty.IsOpen() ? 3 : 2;
        if (poll(fds, count, -1) < 0)
            continue;
        if (fds[0].revents)
            DrainWake();
        if (stopping)
            break;
        if ((fds[1].revents & POLLIN) && LinkLetGo())
            ResetExchange();
        if (count == 3 && (fds[2].revents & POLLIN))
            ReadInput();
        else if (count == 3 && fds[2].revents)
            Pause(std::chrono::milliseconds(10));   // no reader at all; do not spin
    }
}

void SimController::Impl::ServeRequests()
{
    std::string unasked;
    bool disconnect;
    {
        std::lock_guard<std::mutex> lock(mutex);
        unasked.swap(outbox);
        disconnect = disconnectRequested;
    }
    if (disconnect) {
        CloseLine();
        return;
    }
    if (!unasked.empty())
        Send(unasked);
}

void SimController::Impl::ReadInput()
{
    unsigned char buffer[512];
    ssize_t count = read(pty.Master(), buffer, sizeof buffer);
    if (count <= 0) {
        if (count == 0 || (errno != EAGAIN && errno != EINTR))
            Pause(std::chrono::milliseconds(10));
        return;
    }
    {
        std::lock_guard<std::mutex> lock(mutex);
        bytesIn.insert(bytesIn.end(), buffer, buffer + count);
    }
    if (options.paced) {
        // Each byte takes one byte time on the line, after the one before it.
        const Clock::time_point now = Clock::now();
        for (ssize_t i = 0; i < count; ++i) {
            inputFree = std::max(inputFree, now) + kByteTime;
            incoming.push_back({buffer[i], inputFree});
        }
        return;
    }
    for (ssize_t i = 0; i < count && pty.IsOpen() && !stopping; ++i)
        HandleByte(buffer[i]);
}

// Paced: handles the next byte from the link once it has crossed the line.
void SimController::Impl::TakeDueInput()
{
    const Incoming next = incoming.front();
    if (!PauseUntil(next.arrival))
        return;   // stopping, or the link let go: the caller looks first
    incoming.pop_front();
    reactionTime = next.arrival;
    if (pty.IsOpen())
        HandleByte(next.byte);
    reactionTime.reset();
}

bool SimController::Impl::WatchSignalled()
{
    pollfd closed{watch, POLLIN, 0};
    return watch >= 0 && poll(&closed, 1, 0) > 0 && (closed.revents & POLLIN);
}

void SimController::Impl::HandleByte(unsigned char byte)
{
    if (block.active) {
        BlockByte(byte);
        return;
    }
    if (byte == '\r') {
        std::string command;
        command.swap(pendingCommand);
        HandleCommand(command);
    } else if (byte != '\n') {
        if (pendingCommand.size() >= kLongestCommand)
            pendingCommand.clear();
        pendingCommand += static_cast<char>(byte);
    }
}

SimController::Impl::FaultSpec SimController::Impl::FaultFor(const std::string& command) const
{
    if (fault.fault != Fault::None && command.compare(0, fault.commandPrefix.size(), fault.commandPrefix) == 0)
        return fault;
    return FaultSpec();
}

void SimController::Impl::HandleCommand(const std::string& command)
{
    FaultSpec active;
    std::string script;
    bool scripted = false;
    {
        std::lock_guard<std::mutex> lock(mutex);
        commands.push_back(command);
        active = FaultFor(command);
        auto found = scripts.find(command);
        if (found != scripts.end()) {
            scripted = true;
            script = found->second;
        }
    }
    if (active.fault == Fault::Silence)
        return;

    // The first line of every answer repeats the command.
    std::string reply = command + "\r\n";
    if (scripted) {
        Reply(reply + script, active);
        return;
    }
    switch (active.fault) {
    case Fault::RefuseAll:
        Reply(reply + "?\r\n", active);
        return;
    case Fault::Garbage:
        Reply(reply + Noise(300), active);
        return;
    case Fault::OverlongLine:
        Reply(reply + std::string(kOverlongLine, 'Z') + "\r\nok\r\n", active);
        return;
    case Fault::EndlessLine:
        Reply(reply + std::string(kEndlessLine, 'Z'), active);
        return;
    default:
        break;
    }
    Reply(reply + Answer(command, active), active);
}

// The reply after the echo line; for "D" also starts taking the block.
std::string SimController::Impl::Answer(const std::string& command, const FaultSpec& active)
{
    const char kind = command.empty() ? '\0' : command[0];
    const std::string rest = command.empty() ? std::string() : command.substr(1);

    if (command == "*") {
        if (active.fault == Fault::NoIdentificationLine)
            return "ok\r\n";
        const std::string id = active.fault == Fault::WrongIdentification
                                   ? std::string("QMT471 1999.01.01")
                                   : options.identification;
        return id + "\r\nok\r\n";
    }
    if (command == "@") {
        {
            std::lock_guard<std::mutex> lock(mutex);
            memory.Erase();
        }
        Pause(std::chrono::milliseconds(options.eraseDelayMs));
        if (reactionTime)
            reactionTime = Clock::now();
        return "erased\r\nok\r\n";
    }
    if (command.size() == 1 && IsListKind(kind)) {
        std::string reply;
        std::lock_guard<std::mutex> lock(mutex);
        for (const std::string& line : memory.Lines(kind))
            reply += line + "\r\n";
        return reply + "ok\r\n";
    }
    if (command == "X") {
        std::string reply;
        std::lock_guard<std::mutex> lock(mutex);
        std::vector<std::string> numbers = memory.RawNumbers();
        for (std::size_t i = 0; i < numbers.size(); ++i)
            reply += numbers[i] + ((i % 10 == 9 || i + 1 == numbers.size()) ? "\r\n" : " ");
        return reply + "ok\r\n";
    }
    if (kind == 'T' && command.size() > 2 && command[1] == ' ') {
        std::lock_guard<std::mutex> lock(mutex);
        return memory.HasItem(command.substr(2)) ? "ok\r\n" : "?\r\n";
    }
    if (kind == 'D')
        return BlockRequest(rest, active);
    if (kind == 'U')
        return BlockReply(rest, active);
    if (kind == 'C') {
        if (!AllDigits(rest))
            return "?\r\n";
        std::lock_guard<std::mutex> lock(mutex);
        memory.SetRawCode(rest, learnedRaw);
        return "learned\r\nok\r\n";
    }
    if (kind == 'A' || kind == 'N') {
        std::vector<std::string> words = SplitAtSpaces(rest);
        bool learn = (words.size() == 1 && words[0] == "L" && rest[0] == ' ') ||
                     (words.size() == 2 && words[1] == "L" && rest[0] != ' ');
        if (learn) {
            std::string number = words.size() == 2 ? words[0] : std::string();
            std::lock_guard<std::mutex> lock(mutex);
            memory.Replace(std::string(1, kind) + number + " " + (kind == 'A' ? learnedAlias : learnedNec));
            return "learned\r\nok\r\n";
        }
    }
    if (IsListKind(kind)) {
        std::lock_guard<std::mutex> lock(mutex);
        memory.Store(command);
        return "ok\r\n";
    }
    return "?\r\n";
}

std::string SimController::Impl::BlockRequest(const std::string& number, const FaultSpec& active)
{
    if (active.fault == Fault::HeaderWithoutCount)
        return "BLOCK\r\n";
    std::size_t count;
    {
        std::lock_guard<std::mutex> lock(mutex);
        count = blockSize;
    }
    if (active.fault == Fault::CountLargerThanBlock)
        count += 88;
    block = BlockIn();
    block.active = true;
    block.number = number;
    block.expected = count;
    block.fault = active;
    std::string header = "BLOCK " + std::to_string(count) + "\r\n";
    if (count == 0) {
        block.active = false;
        std::lock_guard<std::mutex> lock(mutex);
        memory.SetRawCode(number, {});
        return header + "stored\r\n" + (active.fault == Fault::BadBlockEnd ? "fail\r\n" : "ok\r\n");
    }
    return header;
}

std::string SimController::Impl::BlockReply(const std::string& number, const FaultSpec& active)
{
    if (active.fault == Fault::HeaderWithoutCount)
        return "BLOCK\r\n";
    std::string bytes;
    {
        std::lock_guard<std::mutex> lock(mutex);
        bytes.assign(blockSize, '\xFF');
        auto found = memory.RawCodes().find(number);
        if (found != memory.RawCodes().end()) {
            std::size_t known = std::min(found->second.size(), blockSize);
            std::copy(found->second.begin(), found->second.begin() + known, bytes.begin());
        }
    }
    return "BLOCK " + std::to_string(bytes.size()) + "\r\n" + bytes + "\r\nEND\r\nCRC 0000\r\n" +
           (active.fault == Fault::BadBlockEnd ? "fail\r\n" : "ok\r\n");
}

void SimController::Impl::BlockByte(unsigned char byte)
{
    const std::size_t index = block.seen++;
    const FaultSpec& active = block.fault;
    if (active.fault == Fault::DropBytes && index >= active.afterBytes)
        return;
    char ack = '.';
    if (options.slashAckEvery != 0 && (index + 1) % options.slashAckEvery == 0)
        ack = '/';
    if (active.fault == Fault::BadAck && index == active.afterBytes)
        ack = 'x';
    block.bytes.push_back(byte);
    if (!Send(std::string(1, ack)))
        return;
    if (block.bytes.size() < block.expected)
        return;
    block.active = false;
    {
        std::lock_guard<std::mutex> lock(mutex);
        memory.SetRawCode(block.number, block.bytes);
    }
    Send(std::string("stored\r\n") + (active.fault == Fault::BadBlockEnd ? "fail\r\n" : "ok\r\n"));
}

void SimController::Impl::Reply(const std::string& bytes, const FaultSpec& active)
{
    if (active.fault == Fault::DisconnectMidExchange) {
        Send(bytes.substr(0, active.afterBytes));
        CloseLine();
        return;
    }
    Send(bytes);
}

bool SimController::Impl::Send(const std::string& bytes)
{
    std::size_t sent = 0;
    Clock::time_point progress = Clock::now();
    // Paced: the line is free from now (or from when the byte being answered
    // arrived), or from the end of the byte before.
    outputFree = std::max(outputFree, reactionTime ? *reactionTime : progress);
    while (sent < bytes.size()) {
        if (stopping || !pty.IsOpen())
            return false;
        bool disconnect;
        {
            std::lock_guard<std::mutex> lock(mutex);
            disconnect = disconnectRequested;
        }
        if (disconnect) {
            CloseLine();
            return false;
        }
        pollfd closed{watch, POLLIN, 0};
        if (poll(&closed, 1, 0) > 0 && LinkLetGo()) {
            ResetExchange();
            return false;
        }
        std::size_t chunk = bytes.size() - sent;
        if (options.paced) {
            // The byte reaches the link when its last bit has crossed the
            // line: one byte time after the line became free for it. Within
            // a reply the bytes follow each other by the clock of the line,
            // not by when this thread happened to wake.
            const Clock::time_point delivery = outputFree + kByteTime;
            if (!PauseUntil(delivery))
                continue;   // stopping, or the link let go: looked at above
            outputFree = delivery;
            chunk = 1;
        }
        ssize_t count;
        int error;
        {
            // Written and recorded in one step, so that the recording is
            // never behind what the link has already read.
            std::lock_guard<std::mutex> lock(mutex);
            count = write(pty.Master(), bytes.data() + sent, chunk);
            error = errno;
            if (count > 0)
                bytesOut.insert(bytesOut.end(), bytes.begin() + sent, bytes.begin() + sent + count);
        }
        if (count > 0) {
            sent += static_cast<std::size_t>(count);
            progress = Clock::now();
            continue;
        }
        if (count < 0 && error == EINTR)
            continue;
        if (count < 0 && error != EAGAIN)
            return false;
        // The terminal is full: wait for room, or for the link letting go.
        pollfd fds[3] = {{pty.Master(), POLLOUT, 0}, {watch, POLLIN, 0}, {wake[0], POLLIN, 0}};
        poll(fds, 3, 100);
        if ((fds[1].revents & POLLIN) && LinkLetGo()) {
            ResetExchange();
            return false;
        }
        if (fds[2].revents)
            DrainWake();
        if (Clock::now() - progress > kStallLimit)
            return false;
    }
    return true;
}

bool SimController::Impl::LinkLetGo()
{
    bool closed = false;
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        ssize_t count = read(watch, buffer, sizeof buffer);
        if (count <= 0)
            return closed;
        for (char* at = buffer; at < buffer + count;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            if (event->mask & IN_CLOSE)
                closed = true;
            at += sizeof(inotify_event) + event->len;
        }
    }
}

void SimController::Impl::ResetExchange()
{
    block = BlockIn();
    pendingCommand.clear();
    incoming.clear();
}

void SimController::Impl::Pause(std::chrono::milliseconds duration)
{
    const Clock::time_point until = Clock::now() + duration;
    while (!stopping) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count();
        if (left <= 0)
            return;
        pollfd stop{wake[0], POLLIN, 0};
        if (poll(&stop, 1, static_cast<int>(left)) > 0)
            DrainWake();
    }
}

// Paced waiting, to the microsecond. Bytes the link sends meanwhile are taken
// off the terminal at once, so that their time on the line is counted from
// when they were sent. True when the moment came; false when stopping or
// when the link has let go of the port (left for the caller to see).
bool SimController::Impl::PauseUntil(Clock::time_point until)
{
    for (;;) {
        if (stopping)
            return false;
        const auto left = until - Clock::now();
        if (left <= Clock::duration::zero())
            return true;
        const auto nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
        const timespec timeout{static_cast<time_t>(nanoseconds / 1000000000),
                               static_cast<long>(nanoseconds % 1000000000)};
        pollfd fds[3] = {{wake[0], POLLIN, 0}, {watch, POLLIN, 0}, {pty.Master(), POLLIN, 0}};
        const nfds_t count = pty.IsOpen() ? 3 : 2;
        if (ppoll(fds, count, &timeout, nullptr) <= 0)
            continue;
        if (fds[0].revents)
            DrainWake();
        if (fds[1].revents & POLLIN)
            return false;
        if (count == 3 && (fds[2].revents & POLLIN))
            ReadInput();
        else if (count == 3 && fds[2].revents)
            Pause(std::chrono::milliseconds(1));   // no reader at all; do not spin
    }
}

void SimController::Impl::DrainWake()
{
    char buffer[64];
    while (read(wake[0], buffer, sizeof buffer) > 0) {
    }
}

void SimController::Impl::CloseLine()
{
    // Gone from the port list first, then unplugged; whoever sees the
    // hang-up also sees Connected() false.
    if (!announcePath.empty()) {
        unlink(announcePath.c_str());
        announcePath.clear();
    }
    {
        std::lock_guard<std::mutex> lock(mutex);
        pty.Close();
        connected = false;
        disconnectRequested = false;
    }
    changed.notify_all();
}

// ---------------------------------------------------------------------------

SimController::SimController() : SimController(Options()) {}

SimController::SimController(Options options) : impl(std::make_unique<Impl>(std::move(options))) {}

SimController::~SimController() = default;

const std::string& SimController::DevicePath() const
{
    return impl->devicePath;
}

std::vector<std::string> SimController::Stored(char kind) const
{
    std::lock_guard<std::mutex> lock(impl->mutex);
    return impl->memory.Lines(kind);
}

void SimController::Store(const std::string& line)
{
    std::lock_guard<std::mutex> lock(impl->mutex);
    impl->memory.Store(line);
}

std::map<std::string, std::vector<unsigned char>> SimController::RawCodes() const
{
    std::lock_guard<std::mutex> lock(impl->mutex);
    return impl->memory.RawCodes();
}

void SimController::SetRawCode(const std::string& number, std::vector<unsigned char> code)
{
    std::lock_guard<std::mutex> lock(impl->mutex);
    impl->memory.SetRawCode(number, std::move(code));
}

void SimController::SetLearnedAliasCode(const std::string& code)
{
    std::lock_guard<std::mutex> lock(impl->mutex);
    impl->learnedAlias = code;
}

void SimController::SetLearnedNecFields(const std::string& fields)
{
    std::lock_guard<std::mutex> lock(impl->mutex);
    impl->learnedNec = fields;
}

void SimController::SetLearnedRawCode(std::vector<unsigned char> code)
{
    std::lock_guard<std::mutex> lock(impl->mutex);
    impl->learnedRaw = std::move(code);
}

void SimController::SetBlockSize(std::size_t count)
{
    std::lock_guard<std::mutex> lock(impl->mutex);
    impl->blockSize = count;
}

std::size_t SimController::BlockSize() const
{
    std::lock_guard<std::mutex> lock(impl->mutex);
    return impl->blockSize;
}

void SimController::InjectFault(Fault fault, const std::string& commandPrefix, std::size_t afterBytes)
{
    std::lock_guard<std::mutex> lock(impl->mutex);
    impl->fault = Impl::FaultSpec{fault, commandPrefix, afterBytes};
}

void SimController::ClearFault()
{
    std::lock_guard<std::mutex> lock(impl->mutex);
    impl->fault = Impl::FaultSpec();
}

void SimController::ScriptReply(const std::string& command, const std::string& replyBytes)
{
    std::lock_guard<std::mutex> lock(impl->mutex);
    impl->scripts[command] = replyBytes;
}

void SimController::ClearScripts()
{
    std::lock_guard<std::mutex> lock(impl->mutex);
    impl->scripts.clear();
}

void SimController::SendUnsolicited(const std::string& bytes)
{
    {
        std::lock_guard<std::mutex> lock(impl->mutex);
        impl->outbox += bytes;
    }
    if (write(impl->wake[1], "u", 1) < 0) {
        // A full pipe wakes the thread as well.
    }
}

std::vector<unsigned char> SimController::BytesIn() const
{
    std::lock_guard<std::mutex> lock(impl->mutex);
    return impl->bytesIn;
}

std::vector<unsigned char> SimController::BytesOut() const
{
    std::lock_guard<std::mutex> lock(impl->mutex);
    return impl->bytesOut;
}

std::vector<std::string> SimController::CommandsReceived() const
{
    std::lock_guard<std::mutex> lock(impl->mutex);
    return impl->commands;
}

void SimController::ClearRecording()
{
    std::lock_guard<std::mutex> lock(impl->mutex);
    impl->bytesIn.clear();
    impl->bytesOut.clear();
    impl->commands.clear();
}

void SimController::Disconnect()
{
    if (std::this_thread::get_id() == impl->thread.get_id()) {
        impl->CloseLine();
        return;
    }
    std::unique_lock<std::mutex> lock(impl->mutex);
    if (!impl->connected)
        return;
    impl->disconnectRequested = true;
    if (write(impl->wake[1], "d", 1) < 0) {
        // A full pipe wakes the thread as well.
    }
    impl->changed.wait(lock, [this] { return !impl->connected; });
}

bool SimController::Connected() const
{
    std::lock_guard<std::mutex> lock(impl->mutex);
    return impl->connected;
}
