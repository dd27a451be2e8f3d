#!/usr/bin/python3
"""Reads the workbook the program's export writes under a Spanish locale back
with openpyxl, a reader that is not ours: every number cell a number with its
value, the widths and the page margins valid.

    lee_libro.py EXPORTA_LIBRO LOCALE
"""
import datetime
import os
import subprocess
import sys
import tempfile

import openpyxl


def main():
    programa, nombre_locale = sys.argv[1], sys.argv[2]
    fallas = []

    def comprueba(condicion, que):
        if not condicion:
            fallas.append(que)

    with tempfile.TemporaryDirectory() as carpeta:
        libro = os.path.join(carpeta, "libro.xlsx")
        entorno = dict(os.environ, LC_ALL=nombre_locale, LANG=nombre_locale, QT_QPA_PLATFORM="offscreen")
        hecho = subprocess.run([programa, libro], env=entorno, capture_output=True, text=True)
        if hecho.returncode != 0:
            print(f"{nombre_locale}: the export failed ({hecho.returncode}): {hecho.stderr}")
            return 1
        try:
            wb = openpyxl.load_workbook(libro)
        except Exception as e:  # the reader refuses the file: it is corrupt
            print(f"{nombre_locale}: openpyxl cannot read the workbook: {e!r}")
            return 1

        comprueba(wb.sheetnames == ["Hoja1", "Hoja2"], f"sheets {wb.sheetnames}")
        ws = wb["Hoja1"]
        titulos = {"A1": "Código", "B1": "Descripción", "D1": "Costo", "E1": "Vence"}
        for celda, valor in titulos.items():
            comprueba(ws[celda].value == valor, f"{celda} = {ws[celda].value!r}, expected {valor!r}")
        comprueba(ws["A2"].value is None, "row 2 stays empty")

        numeros = {"D3": 1234.5, "D4": 2.225, "D5": 0, "D6": 12.5}
        for celda, valor in numeros.items():
            v = ws[celda].value
            comprueba(isinstance(v, (int, float)) and not isinstance(v, bool) and abs(v - valor) < 1e-9,
                      f"{celda} = {v!r}, expected the number {valor}")
        comprueba(ws["D3"].number_format == "#,##0.00", f"D3 format {ws['D3'].number_format!r}")
        comprueba(ws["E4"].value == datetime.datetime(2024, 3, 15), f"E4 = {ws['E4'].value!r}")
        comprueba(ws["A6"].value == "00123", f"A6 = {ws['A6'].value!r}: a code stays text")
        # Every cell openpyxl reads as a number holds one of the numbers written.
        for fila in ws.iter_rows():
            for c in fila:
                if c.data_type == "n" and c.value is not None and c.coordinate not in numeros:
                    fallas.append(f"{c.coordinate} = {c.value!r}: an unexpected number")

        # The date cell autofits every column: widths as fitted, each a valid one.
        for columna in "ABDE":
            w = ws.column_dimensions[columna].width
            comprueba(isinstance(w, float) and 1 <= w <= 255, f"width of {columna} = {w!r}")
        comprueba(ws.column_dimensions["C"].hidden, "column C (width 0) is hidden")
        m = ws.page_margins
        comprueba((m.left, m.right, m.top, m.bottom, m.header, m.footer) == (0.7, 0.7, 0.75, 0.75, 0.3, 0.3),
                  f"margins {(m.left, m.right, m.top, m.bottom, m.header, m.footer)}")
        comprueba(ws.page_setup.orientation == "landscape", f"orientation {ws.page_setup.orientation!r}")

    for f in fallas:
        print(f"{nombre_locale}: {f}")
    print(f"{0 if fallas else 1} passed, {1 if fallas else 0} failed")
    return 1 if fallas else 0


if __name__ == "__main__":
    sys.exit(main())
