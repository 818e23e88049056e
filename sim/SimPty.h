#pragma once
// The controller's end of a pseudo-terminal. The slave side is what the link
// opens as its serial port; this object keeps a slave descriptor of its own
// so that the terminal and its raw settings survive the link's closes.
#include <string>

class SimPty {
public:
    // Throws std::runtime_error when no pseudo-terminal can be had.
    SimPty();
    ~SimPty();
    SimPty(const SimPty&) = delete;
    SimPty& operator=(const SimPty&) = delete;

    int Master() const { return master; }
    const std::string& SlavePath() const { return slavePath; }
    bool IsOpen() const { return master >= 0; }
    // Closes both ends, as an unplugged cable would.
    void Close();

private:
    int master = -1;
    int slaveKeeper = -1;
    std::string slavePath;
};
