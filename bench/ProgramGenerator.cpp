#include "bench/ProgramGenerator.h"

#include <cstdint>
#include <string>

namespace {

// A small deterministic generator, so that every run measures the same bytes.
class Sequence {
public:
    explicit Sequence(std::uint32_t seed) : state(seed) {}
    std::uint32_t Next()
    {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    }
    std::uint32_t Below(std::uint32_t limit) { return Next() % limit; }

private:
    std::uint32_t state;
};

std::string Hex(std::uint32_t value, int digits)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i) {
        text[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
        value >>= 4;
    }
    return text;
}

// Labels keep the name rule: letters (Ñ and ñ among them), digits, _ + - and spaces.
std::string Label(Sequence& random, const char* word, std::size_t number)
{
    static const char* const kPlaces[] = {"sala", "cocina", "ba\xF1o", "dormitorio", "garaje",
                                          "terraza", "oficina", "pasillo", "comedor", "patio"};
    return std::string(word) + " " + kPlaces[random.Below(10)] + " " + std::to_string(number);
}

std::string RawCode(Sequence& random)
{
    std::string code;
    code.reserve(1024);
    for (int i = 0; i < 512; ++i)
        code += Hex(random.Below(256), 2);
    return code;
}

void AddNec(ProgramLines& lines, Sequence& random, std::size_t number)
{
    const std::string n = std::to_string(number);
    lines.push_back("N" + n + " " + Hex(random.Next(), 8) + (random.Below(2) ? " R " : " N ") +
                    std::to_string(1 + random.Below(4)));
    lines.push_back("XNL" + n + "|" + Label(random, "TV", number));
}

void AddRaw(ProgramLines& lines, Sequence& random, std::size_t number)
{
    const std::string n = std::to_string(number);
    lines.push_back("C" + n + " " + RawCode(random));
    lines.push_back("XCL" + n + "|" + Label(random, "Aire", number));
}

}  // namespace

ProgramLines ReferenceProgram()
{
    Sequence random(20240611u);
    ProgramLines lines;
    for (std::size_t b = 1; b <= 40; ++b) {
        const std::string n = std::to_string(b);
        std::string macros = std::to_string(1 + random.Below(40));
        for (std::uint32_t k = random.Below(3); k > 0; --k)
            macros += " " + std::to_string(1 + random.Below(40));
        lines.push_back("B" + n + " " + std::to_string(random.Below(2)) + " " + macros);
        lines.push_back("XBL" + n + "|" + Label(random, "Boton", b));
    }
    static const char kStepKinds[] = "NCSD";
    for (std::size_t m = 1; m <= 40; ++m) {
        const std::string n = std::to_string(m);
        std::string steps;
        for (std::uint32_t k = 2 + random.Below(4); k > 0; --k) {
            const char kind = kStepKinds[random.Below(4)];
            const std::uint32_t limit = kind == 'N' ? 100 : kind == 'C' ? 20 : kind == 'S' ? 30 : 50;
            if (!steps.empty())
                steps += ' ';
            steps += kind + std::to_string(1 + random.Below(limit));
        }
        lines.push_back("M" + n + " " + steps);
        lines.push_back("XML" + n + "|" + Label(random, "Escena", m));
    }
    for (std::size_t c = 1; c <= 100; ++c)
        AddNec(lines, random, c);
    for (std::size_t c = 1; c <= 20; ++c)
        AddRaw(lines, random, c);
    static const char* const kSerial[] = {"PWR ON", "PWR OFF", "VOL+", "VOL-", "INPUT HDMI1",
                                          "INPUT HDMI2", "MUTE", "LAMP?"};
    for (std::size_t s = 1; s <= 30; ++s) {
        const std::string n = std::to_string(s);
        lines.push_back("S" + n + " " + kSerial[random.Below(8)] + " " + std::to_string(s));
        lines.push_back("XSL" + n + "|" + Label(random, "Proyector", s));
    }
    lines.push_back("V1 9600");
    lines.push_back("V2 115200");
    for (std::size_t a = 1; a <= 20; ++a) {
        const std::string n = std::to_string(a);
        lines.push_back("A" + n + " " + Hex(random.Next(), 8));
        lines.push_back("XAL" + n + "|" + Label(random, "Mando", a));
    }
    for (const char* parameter :
         {"R HABILITADO Y", "R INSTALACION Casa_Norte", "R SECTOR Planta_baja", "R SSID Red de casa",
          "R WPA2 clave muy secreta", "R PORT 9835", "R DHCP N", "R IP 192.168.1.50",
          "R MASK 255.255.255.0", "R GATEWAY 192.168.1.1", "R DNS 192.168.1.1", "R PIN 4321"})
        lines.push_back(parameter);
    return lines;
}

ProgramLines LargeProgram(std::size_t necRows, std::size_t rawRows)
{
    Sequence random(7u);
    ProgramLines lines;
    lines.reserve(2 * (necRows + rawRows));
    for (std::size_t c = 1; c <= necRows; ++c)
        AddNec(lines, random, c);
    for (std::size_t c = 1; c <= rawRows; ++c)
        AddRaw(lines, random, c);
    return lines;
}

ProgramLines WithoutLabels(const ProgramLines& lines)
{
    ProgramLines sent;
    for (const std::string& line : lines) {
        if (line.empty() || line[0] != 'X')
            sent.push_back(line);
    }
    return sent;
}
