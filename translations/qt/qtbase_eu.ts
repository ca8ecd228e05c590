<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Qt's own texts that Debian ships no eu catalogue for: the standard buttons, the text
     boxes' menus and the command line parser. Kept by hand; texts not here stay Spanish. -->
<TS version="2.1" language="eu" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Ados</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Bai</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ez</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Utzi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Itxi</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ireki</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Gorde</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplikatu</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Laguntza</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Baztertu</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>Ados</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>OK</source>
        <translation>Ados</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Laguntza</translation>
    </message>
    <message>
        <source>Show Details...</source>
        <translation>Erakutsi xehetasunak...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Ezkutatu xehetasunak...</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desegin</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Berregin</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ebaki</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiatu</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Itsatsi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ezabatu</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Hautatu dena</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desegin</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Berregin</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ebaki</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiatu</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Itsatsi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ezabatu</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Hautatu dena</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Kopiatu &amp;estekaren kokalekua</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Erabilera: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[aukerak]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Aukerak:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumentuak:</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Laguntza hau erakusten du.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Bertsioaren informazioa erakusten du.</translation>
    </message>
    <message>
        <source>Unknown option '%1'.</source>
        <translation>Aukera ezezaguna: «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Aukera ezezagunak: %1.</translation>
    </message>
    <message>
        <source>Missing value after '%1'.</source>
        <translation>Balioa falta da «%1» aukeraren ondoren.</translation>
    </message>
    <message>
        <source>Unexpected value after '%1'.</source>
        <translation>Ustekabeko balioa «%1» aukeraren ondoren.</translation>
    </message>
</context>
</TS>
