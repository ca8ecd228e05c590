<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="es">
<context>
    <name>SolutionText</name>
    <message numerus="yes">
        <source>… y %n candidatos más, con resto distinto de 0</source>
        <translation>
            <numerusform>… y %n candidato más, con resto distinto de 0</numerusform>
            <numerusform>… y %n candidatos más, con resto distinto de 0</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n raíces no reales</source>
        <translation>
            <numerusform>%n raíz no real</numerusform>
            <numerusform>%n raíces no reales</numerusform>
        </translation>
    </message>
</context>
</TS>
