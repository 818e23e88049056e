#!/usr/bin/env python3
"""Writes the hand-made seeds of the fuzzers into fuzz/corpus/<target>/.

Controller scripts are bursts cut at "<|>" (see ScriptedChannel.h): the first
is stale input, each later one the controller's answer to what the link wrote.
Inputs found by fuzzing are kept beside these seeds under their own names.
"""
import os
import shutil

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
BREAK = b"<|>"
IDENT = b"QMT471 2012.02.07"


def write(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "seed-" + name), "wb") as f:
        f.write(data)


def reply(command, *lines, last=b"ok"):
    """The echo of the command, the data lines and the closing line, CR LF each."""
    return b"".join(l + b"\r\n" for l in (command,) + lines + (last,))


def block_reply(command, data):
    return (command + b"\r\nBLOCK " + str(len(data)).encode() + b"\r\n" + data
            + b"\r\nx\r\ny\r\nz\r\nok\r\n")


def pattern(n, seed=0):
    return bytes((i * 7 + seed) & 0xFF for i in range(n))


def program_file():
    os.makedirs(os.path.join(HERE, "corpus", "program_file"), exist_ok=True)
    shutil.copy(os.path.join(ROOT, "examples", "ejemplo.zolp"),
                os.path.join(HERE, "corpus", "program_file", "seed-ejemplo.zolp"))
    code = "".join("%02X" % b for b in pattern(512, 3)).encode()
    write("program_file", "every-kind-crlf", b"\r\n".join([
        b"B1 0 1 2", b"XBL1| Sala ", b"B2 1 3", b"M1 N1 D10 S2", b"XML1|Entrada",
        b"N1 20DF10EF R 1", b"XNL1|Tele|extra", b"C4 " + code, b"XCL4|Aire",
        b"S1 PWR ON  twice", b"XSL1|Proyector", b"V1 9600", b"V2 115200",
        b"A1 20DF10EF", b"XAL1||", b"R HABILITADO Y", b"R SSID Mi red", b"R IP 10.0.0.2",
        b"Q unknown kind", b"XQL1|nobody"]) + b"\r\n")
    write("program_file", "mixed-ends-and-bad-lines",
          b"B1\nB2 0\r\rM7\n\n N1 2 3\rN1 2 3 4 5\nC\nC9 ABC DEF\nS\nS9\nV3 9600\nV1\n"
          b"A1\nR\nR X\nXBL\nXBL1\nXBL1|\nXAL012|Cero\n\xd1\xf1\x81\x00\xff")
    write("program_file", "labels-last-wins",
          b"A12 00FF00FF\rXAL12|Sala\rXAL12|Patio\rXAL12 |x\rC12\rXCL|empty\r\r")


def controller_reply():
    write("controller_reply", "all-accepted", BREAK.join([
        b"stale bytes\r\n",
        reply(b"*", IDENT),
        reply(b"T B5"),
        block_reply(b"U7", pattern(12) + b"\n\r\xff"),
        b"D7\r\nBLOCK 37\r\n" + b"." * 32, b"/", b".", b"/", b".", b"./stored\r\nok\r\n",
        reply(b"@", b"borrado"),
        reply(b"X", b"1 3 5", b"", b"....", b"12", b"OK", b"ok ")]))
    write("controller_reply", "refusals", BREAK.join([
        b"",
        reply(b"*", last=b"?"),
        reply(b"T B5", b"?x", last=b"?"),
        b"U7\r\nBLOCK\r\nok\r\n",
        b"D7\r\nBLOCK 3\r\n.", b"x", b"junk\r\n",
        reply(b"@", last=b"ERR"),
        b"X\r\n1 2\r\n"]))
    write("controller_reply", "counts", BREAK.join([
        b"",
        b"*\r\nA1 12\r\r\nok\r\n",
        b"T B5\nok\n",
        b"U7\r\nBLOCK -5\r\na\r\nb\r\nc\r\nok\r\n",
        b"D7\r\nBLOCK 0\r\nstored\r\nok\r\n",
        b"@\r\nok\r\n",
        b"X\r\nok\r\n"]))
    write("controller_reply", "oversized-counts", BREAK.join([
        b"", reply(b"*"), reply(b"T B5"),
        b"U7\r\nBLOCK 99999999999999999999\r\n",
        b"D7\r\nBLOCK 513\r\n", reply(b"@"), reply(b"X")]))




def read_program():
    raw1 = pattern(512, 1)
    empty = b"\xff" * 512
    write("read_program", "whole-program", BREAK.join([
        b"noise",
        reply(b"*", IDENT),
        reply(b"B", b"B1  0 1 2 ", b".", b"B2 1 3"),
        reply(b"M", b"M1 N1 D10 N2"),
        reply(b"N", b" N1 20DF10EF R 1", b"N2\t20DF40BF N 2"),
        reply(b"X", b"1 3"),
        block_reply(b"U1", raw1),
        block_reply(b"U3", empty),
        reply(b"S", b"S1 PWR  ON "),
        reply(b"V", b"V1 9600", b"V2 115200"),
        reply(b"A", b"A1 20DF10EF"),
        reply(b"R", b"R HABILITADO Y", b"R SSID  Mi red ")]))
    write("read_program", "no-raw-list", BREAK.join([
        b"",
        reply(b"*", IDENT),
        reply(b"B"), reply(b"M"), reply(b"N"),
        reply(b"X", last=b"?"),
        block_reply(b"U1", raw1),
        block_reply(b"U2", b"\x00\xff"),
        block_reply(b"U3", b"")]))
    write("read_program", "wrong-identification", BREAK.join([
        b"", reply(b"*", b"QMT470 2011.01.01")]))


program_file()
controller_reply()
read_program()
