<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca" sourcelanguage="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2
Pruebe «%1 --help» para más información.
</source>
        <translation>%1: %2
Proveu «%1 --help» per a més informació.
</translation>
    </message>
    <message>
        <source>%1 %2
Copyright (C) 2026 Equipo de Factorix.
Licencia GPLv3+: GNU GPL versión 3 o posterior &lt;https://gnu.org/licenses/gpl.html&gt;.
Esto es software libre: puede modificarlo y redistribuirlo.
No hay NINGUNA GARANTÍA, en la medida que lo permita la ley.
</source>
        <translation>%1 %2
Copyright (C) 2026 Equipo de Factorix.
Llicència GPLv3+: GNU GPL versió 3 o posterior &lt;https://gnu.org/licenses/gpl.html&gt;.
Això és programari lliure: podeu modificar-lo i redistribuir-lo.
No hi ha CAP GARANTIA, en la mesura que ho permeti la llei.
</translation>
    </message>
    <message>
        <source>Muestra esta ayuda.</source>
        <translation>Mostra aquesta ajuda.</translation>
    </message>
    <message>
        <source>Muestra la versión y la licencia.</source>
        <translation>Mostra la versió i la llicència.</translation>
    </message>
    <message>
        <source>Escribe las líneas en la codificación de la casilla de fórmula (2xe2 por 2x²).</source>
        <translation>Escriu les línies en la codificació de la casella de fórmula (2xe2 per 2x²).</translation>
    </message>
    <message>
        <source>Muestra los textos en IDIOMA: es (español), ca (català), gl (galego), eu (euskara) o en (English). Por omisión, el idioma del sistema, y el español si no es ninguno de ellos.</source>
        <translation>Mostra els textos en IDIOMA: es (español), ca (català), gl (galego), eu (euskara) o en (English). Per defecte, l'idioma del sistema, i l'espanyol si no és cap d'aquests.</translation>
    </message>
    <message>
        <source>IDIOMA</source>
        <translation>IDIOMA</translation>
    </message>
    <message>
        <source>Descompone un polinomio en x con coeficientes enteros por sus raíces enteras.
Sin opciones abre la ventana del programa.

TEXTO es el polinomio tal como lo guarda la casilla de fórmula (2xe3+0xe2+0x-16,
con «e» delante de cada cifra elevada) o tal como se ve (2x³+0x²+0x-16).

Estado de salida: 0 si solo se escribieron líneas, 1 si un cálculo terminó
con un mensaje de error, 2 si las opciones no son válidas.</source>
        <translation>Descompon un polinomi en x amb coeficients enters per les seves arrels enteres.
Sense opcions obre la finestra del programa.

TEXT és el polinomi tal com el desa la casella de fórmula (2xe3+0xe2+0x-16,
amb «e» davant de cada xifra elevada) o tal com es veu (2x³+0x²+0x-16).

Estat de sortida: 0 si només s'han escrit línies, 1 si un càlcul ha acabat
amb un missatge d'error, 2 si les opcions no són vàlides.</translation>
    </message>
    <message>
        <source>TEXTO</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>%1: --%2 dibuja y solo la ejecuta el programa de la ventana.
</source>
        <translation>%1: --%2 dibuixa i només l'executa el programa de la finestra.
</translation>
    </message>
    <message>
        <source>%1: no se pudo escribir la salida.
</source>
        <translation>%1: no s'ha pogut escriure la sortida.
</translation>
    </message>
    <message>
        <source>idioma desconocido: «%1»; elija uno de estos: %2.</source>
        <translation>idioma desconegut: «%1»; trieu-ne un d'aquests: %2.</translation>
    </message>
    <message>
        <source>argumento inesperado: «%1».</source>
        <translation>argument inesperat: «%1».</translation>
    </message>
    <message>
        <source>indique una sola orden y un solo TEXTO.</source>
        <translation>indiqueu una sola ordre i un sol TEXT.</translation>
    </message>
    <message>
        <source>falta la orden, por ejemplo --calcular TEXTO.</source>
        <translation>falta l'ordre, per exemple --calcular TEXT.</translation>
    </message>
    <message>
        <source>Busca las raíces enteras del polinomio TEXTO como el botón «Calcular» y escribe una línea por raíz: el factor y el cociente. Con «-» lee un polinomio por línea de la entrada estándar.</source>
        <translation>Cerca les arrels enteres del polinomi TEXT com el botó «Calcula» i escriu una línia per arrel: el factor i el quocient. Amb «-» llegeix un polinomi per línia de l'entrada estàndard.</translation>
    </message>
    <message>
        <source>Escribe en una línea la factorización completa de TEXTO sobre los enteros: el contenido, los factores de las raíces enteras y los demás factores irreducibles, con sus exponentes.</source>
        <translation>Escriu en una línia la factorització completa de TEXT sobre els enters: el contingut, els factors de les arrels enteres i els altres factors irreductibles, amb els seus exponents.</translation>
    </message>
    <message>
        <source>Escribe, como tablas de texto, los pasos de la regla de Ruffini desde la primera raíz de TEXTO, cada uno con su cociente y su resto, y después la factorización completa.</source>
        <translation>Escriu, com a taules de text, els passos de la regla de Ruffini des de la primera arrel de TEXT, cadascun amb el seu quocient i el seu residu, i després la factorització completa.</translation>
    </message>
</context>
<context>
    <name>ControlDesign</name>
    <message>
        <source>Polinomio</source>
        <translation>Polinomi</translation>
    </message>
    <message>
        <source>Descomposición(es)</source>
        <translation>Descomposició(ns)</translation>
    </message>
    <message>
        <source>Créditos</source>
        <translation>Crèdits</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Surt</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Calcular</source>
        <translation>Calcula</translation>
    </message>
    <message>
        <source>Desplazar resultados</source>
        <translation>Desplaça els resultats</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Tanca</translation>
    </message>
</context>
<context>
    <name>DrawingProgram</name>
    <message>
        <source>factorix: no se pudo iniciar %1: %2.</source>
        <translation>factorix: no s'ha pogut iniciar %1: %2.</translation>
    </message>
</context>
<context>
    <name>ErrorMessages</name>
    <message>
        <source>Error de cálculo.</source>
        <translation>Error de càlcul.</translation>
    </message>
    <message>
        <source>Se produjo un error. Revise el cálculo.</source>
        <translation>S'ha produït un error. Reviseu el càlcul.</translation>
    </message>
</context>
<context>
    <name>Footer</name>
    <message>
        <source>Sitio web: %1</source>
        <translation>Lloc web: %1</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>Correu electrònic: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Escriba aquí un polinomio</source>
        <translation>Escriviu aquí un polinomi</translation>
    </message>
    <message>
        <source>Encabezado de los resultados</source>
        <translation>Capçalera dels resultats</translation>
    </message>
    <message>
        <source>Desplazamiento de los resultados</source>
        <translation>Desplaçament dels resultats</translation>
    </message>
    <message>
        <source>Desplazar a la izquierda</source>
        <translation>Desplaça a l'esquerra</translation>
    </message>
    <message>
        <source>Desplazar a la derecha</source>
        <translation>Desplaça a la dreta</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>¿Está seguro de querer salir?</source>
        <translation>Segur que voleu sortir?</translation>
    </message>
    <message>
        <source>No se pudo abrir el navegador.

La dirección %1 se ha copiado al portapapeles.</source>
        <translation>No s'ha pogut obrir el navegador.

L'adreça %1 s'ha copiat al porta-retalls.</translation>
    </message>
</context>
<context>
    <name>Form1Design</name>
    <message>
        <source>EL POLINOMIO SE PUEDE DESCOMPONER EN:</source>
        <extracomment>The heading is a formula pad&apos;s text: capitals, spaces and punctuation only, since the pad reads &quot;e&quot;, &quot;r&quot;, &quot;s&quot; and &quot;;&quot; as its own marks.</extracomment>
        <translation>EL POLINOMI ES POT DESCOMPONDRE EN:</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Texto de ayuda</source>
        <translation>Text d'ajuda</translation>
    </message>
</context>
<context>
    <name>Form2Design</name>
    <message>
        <source>Ayuda</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Para introducir un polinomio en la casilla de introducción, 
puede hacer lo siguiente:
· Para introducir números, use los números del teclado 
alfanumérico.
· Para introducir signos use, en éste caso, el &quot;+&quot; y &quot;-&quot; 
del teclado numérico.
· Para introducir la &quot;x&quot;, pulse la &quot;x&quot; en el teclado 
alfanumérico.
· Para introducir potencias, sostenga Shift (flecha 
mayúsculas) y sin soltar pulse el número deseado en el 
teclado alfanumérico.

Para calcular las descomposiciones posibles, haga click 
en &quot;Calcular&quot;. Según la pontencia de su computadora, 
tardará más o menos tiempo en realizar el cálculo. Una 
vez terminado le mostrará las posibles descomposiciones 
del polinomio.

IMPORTANTE: Debe introducir el polinomio en la casilla 
de cálculo ORDENADO decrecientemente. También es 
necesario, en caso de que falte un monomio dentro del 
polinomio deberá completarse con +0x^n.
Ej: 3x^3-6 deberá completarse por:
      3x^3+0x^2+0x-6</source>
        <extracomment>The usage text under the title, one line of the box per line.</extracomment>
        <translation>Per introduir un polinomi a la casella d'introducció, 
podeu fer el següent:
· Per introduir nombres, feu servir els nombres del teclat 
alfanumèric.
· Per introduir signes, feu servir en aquest cas el "+" i el "-" 
del teclat numèric.
· Per introduir la "x", premeu la "x" del teclat 
alfanumèric.
· Per introduir potències, manteniu premuda la tecla Maj 
(fletxa de majúscules) i, sense deixar-la anar, premeu el 
número desitjat al teclat alfanumèric.

Per calcular les descomposicions possibles, feu clic 
a "Calcula". Segons la potència del vostre ordinador, 
trigarà més o menys temps a fer el càlcul. Un cop 
acabat, us mostrarà les descomposicions possibles 
del polinomi.

IMPORTANT: Heu d'introduir el polinomi a la casella 
de càlcul ORDENAT de manera decreixent. També cal, 
si falta algun monomi dins del polinomi, 
completar-lo amb +0x^n.
Ex.: 3x^3-6 s'ha de completar així:
      3x^3+0x^2+0x-6</translation>
    </message>
    <message>
        <source>Ayuda del programa de Factorix</source>
        <translation>Ajuda del programa Factorix</translation>
    </message>
</context>
<context>
    <name>FormulaPad</name>
    <message>
        <source>Modo de utilización</source>
        <translation>Mode d'ús</translation>
    </message>
</context>
<context>
    <name>FormulaPadAccessible</name>
    <message>
        <source>Fórmula</source>
        <translation>Fórmula</translation>
    </message>
</context>
<context>
    <name>GraphChart</name>
    <message>
        <source>P(x)</source>
        <translation>P(x)</translation>
    </message>
    <message>
        <source>P(x) (×10%1)</source>
        <translation>P(x) (×10%1)</translation>
    </message>
    <message>
        <source>%1, recortada</source>
        <translation>%1, retallada</translation>
    </message>
</context>
<context>
    <name>GraphDescription</name>
    <message>
        <source>Gráfica de P(x) en [%1; %2]</source>
        <translation>Gràfica de P(x) a [%1; %2]</translation>
    </message>
    <message>
        <source>%1; coincide con el eje X</source>
        <translation>%1; coincideix amb l'eix X</translation>
    </message>
    <message>
        <source>%1; no corta el eje X</source>
        <translation>%1; no talla l'eix X</translation>
    </message>
    <message>
        <source>%1; corta el eje X en %2</source>
        <translation>%1; talla l'eix X a %2</translation>
    </message>
</context>
<context>
    <name>GraphImage</name>
    <message>
        <source>Gráfica</source>
        <translation>Gràfica</translation>
    </message>
    <message>
        <source>no se pudo escribir la imagen</source>
        <translation>no s'ha pogut escriure la imatge</translation>
    </message>
</context>
<context>
    <name>GraphView</name>
    <message>
        <source>Gráfica</source>
        <translation>Gràfica</translation>
    </message>
    <message>
        <source>(%1; %2)</source>
        <translation>(%1; %2)</translation>
    </message>
</context>
<context>
    <name>ResultList</name>
    <message>
        <source>Resultados</source>
        <translation>Resultats</translation>
    </message>
    <message>
        <source>Resultado %1</source>
        <translation>Resultat %1</translation>
    </message>
    <message>
        <source>Líneas de resultado</source>
        <translation>Línies de resultat</translation>
    </message>
</context>
<context>
    <name>ResultsNotice</name>
    <message>
        <source>Ningún resultado</source>
        <translation>Cap resultat</translation>
    </message>
    <message>
        <source>1 resultado</source>
        <translation>1 resultat</translation>
    </message>
    <message>
        <source>%1 resultados</source>
        <translation>%1 resultats</translation>
    </message>
</context>
<context>
    <name>RuffiniTableModel</name>
    <message>
        <source>Dividendo</source>
        <translation>Dividend</translation>
    </message>
    <message>
        <source>Productos</source>
        <translation>Productes</translation>
    </message>
    <message>
        <source>Cociente y resto</source>
        <translation>Quocient i residu</translation>
    </message>
    <message>
        <source>Raíz</source>
        <translation>Arrel</translation>
    </message>
    <message>
        <source>término independiente</source>
        <translation>terme independent</translation>
    </message>
</context>
<context>
    <name>SolutionDialog</name>
    <message>
        <source>Resolución paso a paso</source>
        <translation>Resolució pas a pas</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Tanca</translation>
    </message>
</context>
<context>
    <name>SolutionOpener</name>
    <message>
        <source>Doble clic: resolución paso a paso</source>
        <translation>Doble clic: resolució pas a pas</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>SolutionSheet</name>
    <message>
        <source>Gráfica</source>
        <translation>Gràfica</translation>
    </message>
    <message>
        <source>División entre (%1)</source>
        <translation>Divisió entre (%1)</translation>
    </message>
    <message>
        <source>Raíces enteras</source>
        <translation>Arrels enteres</translation>
    </message>
    <message>
        <source>Cociente: %1
Resto: %2</source>
        <translation>Quocient: %1
Residu: %2</translation>
    </message>
    <message>
        <source>Factorización</source>
        <translation>Factorització</translation>
    </message>
</context>
<context>
    <name>TextCommand</name>
    <message>
        <source>factorix: el texto no es una suma de términos en x; no hay factorización que dar.
Pruebe «factorix --help» para más información.</source>
        <translation>factorix: el text no és una suma de termes en x; no hi ha cap factorització per donar.
Proveu «factorix --help» per a més informació.</translation>
    </message>
</context>
<context>
    <name>TextRunner</name>
    <message>
        <source>%1: no se pudo leer la entrada estándar.
</source>
        <translation>%1: no s'ha pogut llegir l'entrada estàndard.
</translation>
    </message>
</context>
<context>
    <name>pupupHelp</name>
    <message>
        <source>Símbolos permitidos:</source>
        <translation>Símbols permesos:</translation>
    </message>
    <message>
        <source>Números</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Operadores (+, -, *, /) [teclado numérico]</source>
        <translation>Operadors (+, -, *, /) [teclat numèric]</translation>
    </message>
    <message>
        <source>Paréntesis (pulsar Control-8 y Control-9)</source>
        <translation>Parèntesis (premeu Control-8 i Control-9)</translation>
    </message>
    <message>
        <source>Exponentes (pulsar Shift-Número)</source>
        <translation>Exponents (premeu Maj-Número)</translation>
    </message>
    <message>
        <source>Letras (a, b, c, m, k, x, y, z)</source>
        <translation>Lletres (a, b, c, m, k, x, y, z)</translation>
    </message>
    <message>
        <source>Raíces (pulsar &quot;r&quot; para iniciarla y &quot;R&quot; para finalizarla)</source>
        <translation>Arrels (premeu "r" per iniciar-la i "R" per acabar-la)</translation>
    </message>
    <message>
        <source>Manejo:</source>
        <translation>Ús:</translation>
    </message>
    <message>
        <source>Desplazar cursor de inserción (cursor izquierdo y derecho)</source>
        <translation>Moure el cursor d'inserció (cursor esquerre i dret)</translation>
    </message>
    <message>
        <source>Cambiar modo de inserción:</source>
        <translation>Canviar el mode d'inserció:</translation>
    </message>
    <message>
        <source>Insertar (Control-1) [teclado alfanumérico] {por defecto}</source>
        <translation>Inserir (Control-1) [teclat alfanumèric] {per defecte}</translation>
    </message>
    <message>
        <source>Sobreescribir (Control-2) [teclado alfanumérico]</source>
        <translation>Sobreescriure (Control-2) [teclat alfanumèric]</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>D'acord</translation>
    </message>
</context>
</TS>
