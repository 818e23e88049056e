#include "program/CellRules.h"

#include <algorithm>

const std::string kSintaxErrorPrefix = "Error de sintaxis:\n";

namespace {

const std::string kNameChars =
    "ABCDEFGHIJKLMN\xD1OPQRSTUVWXYZabcdefghijklmn\xF1opqrstuvwxyz0123456789_+- ";
const std::string kDigits = "0123456789";
const std::string kDigitsAndSpace = "0123456789 ";
const std::string kMacroStepChars = "0123456789 NCSDIPncsdip";
const std::string kHexDigits = "0123456789ABCDEFabcdef";
const std::string kIpChars = "0123456789.";

const std::string kBadNameChar = "caracter no permitido";
const std::string kBadNumber = "n\xFAmero no v\xE1lido";
const std::string kBadValue = "valor no permitido";
const std::string kBadMacroStep = "comando no v\xE1lido";
const std::string kBadHexCode = "codigo no v\xE1lido";
const std::string kSpaceFound = "no se permiten espacios";
const std::string kBadIp = "ip no v\xE1lida";

bool OnlyFrom(const std::string& text, const std::string& allowed) {
    return text.find_first_not_of(allowed) == std::string::npos;
}

}  // namespace

std::optional<std::string> BrokenRule(CellRule rule, const std::string& text,
                                      const std::vector<std::string>& choices) {
    switch (rule) {
    case CellRule::None:
        return std::nullopt;
    case CellRule::Name:
        if (!OnlyFrom(text, kNameChars)) return kBadNameChar;
        return std::nullopt;
    case CellRule::Number:
        if (!OnlyFrom(text, kDigits)) return kBadNumber;
        return std::nullopt;
    case CellRule::Choice:
        if (std::find(choices.begin(), choices.end(), text) == choices.end()) return kBadValue;
        return std::nullopt;
    case CellRule::NumberList:
        if (!OnlyFrom(text, kDigitsAndSpace)) return kBadValue;
        return std::nullopt;
    case CellRule::MacroSteps:
        if (!OnlyFrom(text, kMacroStepChars)) return kBadMacroStep;
        return std::nullopt;
    case CellRule::HexCode:
        if (text.size() != 8 || !OnlyFrom(text, kHexDigits)) return kBadHexCode;
        return std::nullopt;
    case CellRule::IpChars:
        if (!OnlyFrom(text, kIpChars)) return kBadIp;
        return std::nullopt;
    case CellRule::NoSpaces:
        if (text.find(' ') != std::string::npos) return kSpaceFound;
        return std::nullopt;
    }
    return std::nullopt;
}

std::string SintaxErrorMessage(const std::string& reason) {
    return kSintaxErrorPrefix + reason;
}

std::string UnencodableCellMessage(const std::string& caption, int row) {
    return kSintaxErrorPrefix + "caracter no representable en " + caption + ", fila " +
           std::to_string(row);
}
