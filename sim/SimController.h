#pragma once
// A simulated QMT controller behind a pseudo-terminal. The link opens
// DevicePath() like any serial port; a thread of this object reads the
// command lines and plays the controller's side of every exchange:
//
//   every command line (ended by CR) is answered first by one line that
//   repeats the command (the line the link discards), then by the reply.
//   Reply lines end with CR LF.
//
//   "*"             identification line, "ok"
//   "@"             erases every stored line and raw code (waits
//                   Options::eraseDelayMs first), "erased", "ok"
//   "B" "M" "N" "S" "V" "A" "R"
//                   every stored line of that kind in order, "ok"
//   a record line of kind B M N S V A (e.g. "N12 20DF10EF R 1")
//                   stored as received (appended), "ok"
//   "R NAME VALUE"  sets parameter NAME (replaces an earlier R line of the
//                   same name, else appends), "ok"
//   "D" + number    block request: header "BLOCK <n>" (n = BlockSize()),
//                   one acknowledgement byte per byte received ('/' for
//                   every Options::slashAckEvery-th byte, '.' otherwise),
//                   then the line "stored", then "ok"; the bytes become the
//                   raw code of that number
//   "U" + number    block reply: header "BLOCK <n>", n bytes of the raw code
//                   (0xFF for a number without code; padded with 0xFF),
//                   three lines, "ok"
//   "X"             the numbers of the stored raw codes, ten per line,
//                   separated by spaces, ascending, "ok"
//   "T " + target   "ok" when the item exists (a stored line whose first
//                   word is the target, or "C" + a stored raw code number),
//                   "?" otherwise
//   "A" + n + " L"  learns: stores "A<n> " + learned alias code (replacing
//                   a line with the same first word), "learned", "ok"
//   "N" + n + " L"  learns: stores "N<n> " + learned NEC fields, likewise
//   "C" + n         learns: the learned raw code becomes the code of n,
//                   "learned", "ok"
//   anything else   "?"
//
// When the link closes the port, an unfinished block or reply is abandoned,
// so the next link starts afresh (after draining what is still queued).
//
// Every byte in both directions is recorded. Faults can be injected to make
// the controller misbehave in the ways the link must survive.
//
// Discovery: with Options::announce the simulator writes a file into the
// announce folder that port discovery reads, naming DevicePath() with a name
// that contains "Mirvak VCP"; the file is removed by Disconnect() and the
// destructor. Several simulators may run on one machine at the same time
// (parallel tests): tests that are not about discovery should rather set
// PortOverride() to DevicePath() (and may turn announce off), or give each
// simulator a private announceDir together with
// CommPortList::SetDiscoveryRootsForTesting.
//
// All public members may be called from any thread; the destructor stops the
// thread and closes the pseudo-terminal.
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class SimController {
public:
    struct Options {
        // Both directions at the line rate of 9600 8E1 (11 bits, about
        // 1.15 ms per byte): a reply byte reaches the link one byte time
        // after the one before it, and a byte from the link is taken one
        // byte time after it was sent (or after the byte before it).
        bool paced = false;
        // How long "@" takes before its "ok".
        unsigned eraseDelayMs = 0;
        // The line answered to "*".
        std::string identification = "QMT471 2012.02.07";
        // Announce the port to discovery while running.
        bool announce = true;
        // Folder for the announce file; empty: the folder discovery reads by
        // default (CommPortList::AnnounceDirectory()).
        std::string announceDir;
        // The port name written into the announce file.
        std::string announceName = "Mirvak VCP (simulated)";
        // Every n-th acknowledgement of a block is '/' (0: never).
        unsigned slashAckEvery = 16;
    };

    enum class Fault {
        None,
        Silence,               // reads everything, answers nothing
        RefuseAll,             // answers the echo line and "?" (with the
                               //   prefix "X": a controller refusing "X")
        WrongIdentification,   // "*" gives "QMT471 1999.01.01"
        NoIdentificationLine,  // "*" gives only "ok"
        Garbage,               // the reply is 300 bytes of noise, no "ok"
        OverlongLine,          // one data line of 100000 bytes, LF, "ok"
        EndlessLine,           // 256 KiB without LF: more than the link
                               //   takes for one line; dropped when the
                               //   link closes the port
        DropBytes,             // "D": block bytes after the first
                               //   afterBytes are swallowed, not acknowledged
        BadAck,                // "D": byte number afterBytes (from 0) is
                               //   acknowledged with 'x'
        BadBlockEnd,           // "D"/"U": the last line is "fail", not "ok"
        HeaderWithoutCount,    // "D"/"U": header line "BLOCK" alone
        CountLargerThanBlock,  // "D": header asks for BlockSize() + 88 bytes
        DisconnectMidExchange, // after afterBytes bytes of the reply (echo
                               //   line included) the pseudo-terminal is
                               //   closed, as by Disconnect()
    };

    SimController();
    explicit SimController(Options options);
    ~SimController();
    SimController(const SimController&) = delete;
    SimController& operator=(const SimController&) = delete;

    // The slave side, e.g. "/dev/pts/7": what SerialPort opens.
    const std::string& DevicePath() const;

    // Stored program.
    std::vector<std::string> Stored(char kind) const;
    // Stores a line as if it had been received (R lines update by name).
    void Store(const std::string& line);
    std::map<std::string, std::vector<unsigned char>> RawCodes() const;
    void SetRawCode(const std::string& number, std::vector<unsigned char> code);

    // What the learn commands learn. Alias: the code text ("20DF10EF");
    // NEC: the fields after the number ("20DF10EF R 1"); raw: the bytes.
    void SetLearnedAliasCode(const std::string& code);
    void SetLearnedNecFields(const std::string& fields);
    void SetLearnedRawCode(std::vector<unsigned char> code);

    // Count of the block header of "D" and "U" (512 unless changed).
    void SetBlockSize(std::size_t count);
    std::size_t BlockSize() const;

    // One fault at a time; it holds for every command beginning with
    // commandPrefix (empty: every command) until ClearFault().
    void InjectFault(Fault fault, const std::string& commandPrefix = "",
                     std::size_t afterBytes = 0);
    void ClearFault();

    // Scripted reply: when exactly this command arrives, its echo line is
    // followed by these bytes verbatim (no line ends added) instead of the
    // normal reply. Holds until ClearScripts().
    void ScriptReply(const std::string& command, const std::string& replyBytes);
    void ClearScripts();

    // Sends bytes now, unasked (stale input for the link to drain).
    void SendUnsolicited(const std::string& bytes);

    // Recording of the wire: bytes from the link, bytes to the link, and the
    // command lines received (without CR; block bytes are not commands).
    std::vector<unsigned char> BytesIn() const;
    std::vector<unsigned char> BytesOut() const;
    std::vector<std::string> CommandsReceived() const;
    void ClearRecording();

    // Closes the pseudo-terminal as an unplugged cable would; the device
    // path disappears and the announce file is removed.
    void Disconnect();
    bool Connected() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl;
};
