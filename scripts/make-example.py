#!/usr/bin/env python3
"""Writes examples/ejemplo.zolp: a small program holding every record kind."""
import os, random

random.seed(7)
def raw(seed):
    r = random.Random(seed)
    return ''.join('%02X' % r.randrange(256) for _ in range(512))

lines = [
    "B1 0 1", "XBL1|Luz sala",
    "B2 1 2 3", "XBL2|Cine",
    "M1 N1 D10 N2", "XML1|Encender TV",
    "M2 N3 D5 S1 C1", "XML2|Modo cine",
    "M3 S2", "XML3|Proyector apagado",
    "N1 20DF10EF R 1", "XNL1|TV encender",
    "N2 20DF40BF N 2", "XNL2|TV volumen",
    "N3 20DFC03F R 1", "XNL3|TV silencio",
    "C1 " + raw(1), "XCL1|Aire acondicionado",
    "S1 PWR ON", "XSL1|Proyector encender",
    "S2 PWR OFF", "XSL2|Proyector apagar",
    "V1 9600", "V2 115200",
    "A1 20DF10EF", "XAL1|Mando TV",
    "A2 00FF00FF", "XAL2|Ba\xf1o",
    "R HABILITADO N", "R INSTALACION Casa", "R SECTOR Planta_baja",
    "R SSID Red de casa", "R WPA2 clave secreta", "R PORT 9835", "R DHCP Y",
    "R IP 192.168.1.50", "R MASK 255.255.255.0", "R GATEWAY 192.168.1.1",
    "R DNS 192.168.1.1", "R PIN 0",
]
here = os.path.dirname(os.path.abspath(__file__))
with open(os.path.join(here, "..", "examples", "ejemplo.zolp"), "wb") as f:
    f.write(("\r".join(lines) + "\r\r").encode("cp1252"))
