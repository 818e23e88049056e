#include "cli/CommandLine.h"

#include <cstddef>

#include "program/Cp1252.h"

namespace {

struct CommandShape {
    const char* name;
    std::size_t operands;
    bool controller;   // takes --port and --trace
    bool verifies;     // takes --verify
};

const CommandShape kCommands[] = {
    {"check", 1, false, false},
    {"normalize", 2, false, false},
    {"merge", 3, false, false},
    {"write", 1, true, true},
    {"read", 1, true, false},
    {"test", 2, true, false},
    {"ports", 0, false, false},
};

const CommandShape* FindCommand(const std::string& name)
{
    for (const CommandShape& shape : kCommands) {
        if (name == shape.name)
            return &shape;
    }
    return nullptr;
}

bool IsHelp(const std::string& argument)
{
    return argument == "--help" || argument == "-h" || argument == "help";
}

void RequireControllerCommand(const CommandShape& shape, const std::string& option)
{
    if (!shape.controller)
        throw UsageError(std::string(shape.name) + " no admite " + option);
}

}  // namespace

Invocation ParseCommandLine(const std::vector<std::string>& arguments)
{
    Invocation invocation;
    if (arguments.empty())
        throw UsageError("falta la orden");
    if (IsHelp(arguments[0])) {
        invocation.help = true;
        return invocation;
    }
    const CommandShape* shape = FindCommand(arguments[0]);
    if (!shape)
        throw UsageError("orden desconocida: " + Utf8ToCp1252(arguments[0]));
    invocation.command = shape->name;

    bool portGiven = false;
    bool onlyOperands = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (onlyOperands) {
            invocation.operands.push_back(argument);
        } else if (argument == "--") {
            onlyOperands = true;
        } else if (argument == "--help" || argument == "-h") {
            invocation.help = true;
        } else if (argument == "--port" || argument.compare(0, 7, "--port=") == 0) {
            RequireControllerCommand(*shape, "--port");
            if (portGiven)
                throw UsageError("--port repetido");
            if (argument == "--port") {
                if (i + 1 >= arguments.size())
                    throw UsageError("--port necesita un dispositivo");
                invocation.port = arguments[++i];
            } else {
                invocation.port = argument.substr(7);
            }
            if (invocation.port.empty())
                throw UsageError("--port necesita un dispositivo");
            portGiven = true;
        } else if (argument == "--trace") {
            RequireControllerCommand(*shape, "--trace");
            invocation.trace = true;
        } else if (argument == "--verify") {
            if (!shape->verifies)
                throw UsageError(std::string(shape->name) + " no admite --verify");
            invocation.verify = true;
        } else if (argument.size() > 1 && argument[0] == '-') {
            throw UsageError("opci\xF3n desconocida: " + Utf8ToCp1252(argument));
        } else {
            invocation.operands.push_back(argument);
        }
    }
    if (!invocation.help && invocation.operands.size() != shape->operands) {
        throw UsageError(std::string(shape->name) +
                         (invocation.operands.size() < shape->operands ? ": faltan argumentos"
                                                                       : ": sobran argumentos"));
    }
    return invocation;
}

std::string UsageText()
{
    return "uso: zentrola-cli ORDEN ARGUMENTOS...\n"
           "  check ARCHIVO                 comprueba un programa como al guardarlo\n"
           "  normalize ARCHIVO SALIDA      lo guarda en SALIDA como lo guarda el editor\n"
           "  merge ARCHIVO OTRO SALIDA     mezcla los comandos de OTRO y guarda en SALIDA\n"
           "  write ARCHIVO [--verify]      graba el programa en el controlador\n"
           "  read SALIDA                   recupera el programa del controlador\n"
           "  test ARCHIVO ITEM             prueba un item (por ejemplo N12)\n"
           "  ports                         lista los puertos serie\n"
           "Opciones de write, read y test:\n"
           "  --port DISPOSITIVO            usa ese dispositivo en lugar de buscar el puerto\n"
           "  --trace                       muestra cada byte intercambiado con el controlador\n"
           "Estado de salida: 0 sin errores, 1 con errores, 2 argumentos incorrectos.\n";
}
