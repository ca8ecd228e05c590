<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eu" sourcelanguage="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2
Pruebe «%1 --help» para más información.
</source>
        <translation>%1: %2
Informazio gehiago lortzeko, probatu «%1 --help».
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
GPLv3+ lizentzia: GNU GPL 3. bertsioa edo berriagoa &lt;https://gnu.org/licenses/gpl.html&gt;.
Software librea da: aldatu eta birbana dezakezu.
Ez dago INOLAKO BERMERIK, legeak uzten duen neurrian.
</translation>
    </message>
    <message>
        <source>Muestra esta ayuda.</source>
        <translation>Laguntza hau erakusten du.</translation>
    </message>
    <message>
        <source>Muestra la versión y la licencia.</source>
        <translation>Bertsioa eta lizentzia erakusten ditu.</translation>
    </message>
    <message>
        <source>Escribe las líneas en la codificación de la casilla de fórmula (2xe2 por 2x²).</source>
        <translation>Lerroak formula-laukiaren kodeketan idazten ditu (2xe2, 2x²-ren ordez).</translation>
    </message>
    <message>
        <source>Muestra los textos en IDIOMA: es (español), ca (català), gl (galego), eu (euskara) o en (English). Por omisión, el idioma del sistema, y el español si no es ninguno de ellos.</source>
        <translation>Testuak HIZKUNTZA honetan erakusten ditu: es (español), ca (català), gl (galego), eu (euskara) edo en (English). Lehenespenez, sistemaren hizkuntza, eta gaztelania horietako bat ez bada.</translation>
    </message>
    <message>
        <source>IDIOMA</source>
        <translation>HIZKUNTZA</translation>
    </message>
    <message>
        <source>Descompone un polinomio en x con coeficientes enteros por sus raíces enteras.
Sin opciones abre la ventana del programa.

TEXTO es el polinomio tal como lo guarda la casilla de fórmula (2xe3+0xe2+0x-16,
con «e» delante de cada cifra elevada) o tal como se ve (2x³+0x²+0x-16).

Estado de salida: 0 si solo se escribieron líneas, 1 si un cálculo terminó
con un mensaje de error, 2 si las opciones no son válidas.</source>
        <translation>Koefiziente osoko x-ko polinomio bat bere erro osoen bidez deskonposatzen du.
Aukerarik gabe, programaren leihoa irekitzen du.

TESTUA polinomioa da, formula-laukiak gordetzen duen bezala (2xe3+0xe2+0x-16,
berretzaile den zifra bakoitzaren aurrean «e» jarrita) edo ikusten den bezala (2x³+0x²+0x-16).

Irteera-egoera: 0 lerroak soilik idatzi badira, 1 kalkuluren bat errore-mezu
batekin amaitu bada, 2 aukerak baliozkoak ez badira.</translation>
    </message>
    <message>
        <source>TEXTO</source>
        <translation>TESTUA</translation>
    </message>
    <message>
        <source>%1: --%2 dibuja y solo la ejecuta el programa de la ventana.
</source>
        <translation>%1: --%2 aukerak marrazten du, eta leihoaren programak bakarrik exekuta dezake.
</translation>
    </message>
    <message>
        <source>%1: no se pudo escribir la salida.
</source>
        <translation>%1: ezin izan da irteera idatzi.
</translation>
    </message>
    <message>
        <source>idioma desconocido: «%1»; elija uno de estos: %2.</source>
        <translation>hizkuntza ezezaguna: «%1»; aukeratu hauetako bat: %2.</translation>
    </message>
    <message>
        <source>argumento inesperado: «%1».</source>
        <translation>ustekabeko argumentua: «%1».</translation>
    </message>
    <message>
        <source>indique una sola orden y un solo TEXTO.</source>
        <translation>adierazi agindu bakarra eta TESTU bakarra.</translation>
    </message>
    <message>
        <source>falta la orden, por ejemplo --calcular TEXTO.</source>
        <translation>agindua falta da, adibidez --calcular TESTUA.</translation>
    </message>
    <message>
        <source>Busca las raíces enteras del polinomio TEXTO como el botón «Calcular» y escribe una línea por raíz: el factor y el cociente. Con «-» lee un polinomio por línea de la entrada estándar.</source>
        <translation>TESTUA polinomioaren erro osoak bilatzen ditu «Kalkulatu» botoiak bezala, eta lerro bat idazten du erro bakoitzeko: faktorea eta zatidura. «-» emanez gero, polinomio bat irakurtzen du sarrera estandarreko lerro bakoitzeko.</translation>
    </message>
    <message>
        <source>Escribe en una línea la factorización completa de TEXTO sobre los enteros: el contenido, los factores de las raíces enteras y los demás factores irreducibles, con sus exponentes.</source>
        <translation>TESTUAren faktorizazio osoa idazten du lerro batean, zenbaki osoen gainean: edukia, erro osoen faktoreak eta gainerako faktore laburtezinak, beren berretzaileekin.</translation>
    </message>
    <message>
        <source>Escribe, como tablas de texto, los pasos de la regla de Ruffini desde la primera raíz de TEXTO, cada uno con su cociente y su resto, y después la factorización completa.</source>
        <translation>Ruffiniren erregelaren urratsak idazten ditu testu-taula gisa, TESTUAren lehen errotik hasita, bakoitza bere zatidura eta hondarrarekin, eta ondoren faktorizazio osoa.</translation>
    </message>
</context>
<context>
    <name>ControlDesign</name>
    <message>
        <source>Polinomio</source>
        <translation>Polinomioa</translation>
    </message>
    <message>
        <source>Descomposición(es)</source>
        <translation>Deskonposizioa(k)</translation>
    </message>
    <message>
        <source>Créditos</source>
        <translation>Kredituak</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Irten</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <translation>Laguntza</translation>
    </message>
    <message>
        <source>Calcular</source>
        <translation>Kalkulatu</translation>
    </message>
    <message>
        <source>Desplazar resultados</source>
        <translation>Emaitzak korritu</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Itxi</translation>
    </message>
</context>
<context>
    <name>DrawingProgram</name>
    <message>
        <source>factorix: no se pudo iniciar %1: %2.</source>
        <translation>factorix: ezin izan da %1 abiarazi: %2.</translation>
    </message>
</context>
<context>
    <name>ErrorMessages</name>
    <message>
        <source>Error de cálculo.</source>
        <translation>Kalkulu-errorea.</translation>
    </message>
    <message>
        <source>Se produjo un error. Revise el cálculo.</source>
        <translation>Errore bat gertatu da. Berrikusi kalkulua.</translation>
    </message>
</context>
<context>
    <name>Footer</name>
    <message>
        <source>Sitio web: %1</source>
        <translation>Webgunea: %1</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>Posta elektronikoa: %1</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Escriba aquí un polinomio</source>
        <translation>Idatzi polinomio bat hemen</translation>
    </message>
    <message>
        <source>Encabezado de los resultados</source>
        <translation>Emaitzen goiburua</translation>
    </message>
    <message>
        <source>Desplazamiento de los resultados</source>
        <translation>Emaitzen korritzea</translation>
    </message>
    <message>
        <source>Desplazar a la izquierda</source>
        <translation>Korritu ezkerrera</translation>
    </message>
    <message>
        <source>Desplazar a la derecha</source>
        <translation>Korritu eskuinera</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errorea</translation>
    </message>
    <message>
        <source>¿Está seguro de querer salir?</source>
        <translation>Ziur irten nahi duzula?</translation>
    </message>
    <message>
        <source>No se pudo abrir el navegador.

La dirección %1 se ha copiado al portapapeles.</source>
        <translation>Ezin izan da nabigatzailea ireki.

%1 helbidea arbelean kopiatu da.</translation>
    </message>
</context>
<context>
    <name>Form1Design</name>
    <message>
        <source>EL POLINOMIO SE PUEDE DESCOMPONER EN:</source>
        <extracomment>The heading is a formula pad&apos;s text: capitals, spaces and punctuation only, since the pad reads &quot;e&quot;, &quot;r&quot;, &quot;s&quot; and &quot;;&quot; as its own marks.</extracomment>
        <translation>POLINOMIOA HONELA DESKONPOSA DAITEKE:</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Texto de ayuda</source>
        <translation>Laguntza-testua</translation>
    </message>
</context>
<context>
    <name>Form2Design</name>
    <message>
        <source>Ayuda</source>
        <translation>Laguntza</translation>
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
        <translation>Polinomio bat sarrera-laukian idazteko, 
honela egin dezakezu:
· Zenbakiak idazteko, erabili teklatu alfanumerikoko 
zenbakiak.
· Zeinuak idazteko, kasu honetan, erabili teklatu 
numerikoko "+" eta "-".
· "x" idazteko, sakatu teklatu alfanumerikoko 
"x" tekla.
· Berreturak idazteko, eutsi sakatuta Maius tekla (maiuskulen 
gezia) eta, askatu gabe, sakatu nahi duzun zenbakia 
teklatu alfanumerikoan.

Deskonposizio posibleak kalkulatzeko, egin klik 
"Kalkulatu" botoian. Ordenagailuaren ahalmenaren arabera, 
denbora gehiago edo gutxiago beharko du kalkulua 
egiteko. Amaitzean, polinomioaren deskonposizio 
posibleak erakutsiko dizkizu.

GARRANTZITSUA: Polinomioa kalkulu-laukian beheranzko 
ORDENAN idatzi behar da. Gainera, polinomioaren 
barruan monomioren bat falta bada, +0x^n 
gehituz osatu behar da.
Adib.: 3x^3-6 honela osatu behar da:
      3x^3+0x^2+0x-6</translation>
    </message>
    <message>
        <source>Ayuda del programa de Factorix</source>
        <translation>Factorix programaren laguntza</translation>
    </message>
</context>
<context>
    <name>FormulaPad</name>
    <message>
        <source>Modo de utilización</source>
        <translation>Erabilera</translation>
    </message>
</context>
<context>
    <name>FormulaPadAccessible</name>
    <message>
        <source>Fórmula</source>
        <translation>Formula</translation>
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
        <translation>%1, moztua</translation>
    </message>
</context>
<context>
    <name>GraphDescription</name>
    <message>
        <source>Gráfica de P(x) en [%1; %2]</source>
        <translation>P(x)-ren grafikoa [%1; %2] tartean</translation>
    </message>
    <message>
        <source>%1; coincide con el eje X</source>
        <translation>%1; X ardatzarekin bat dator</translation>
    </message>
    <message>
        <source>%1; no corta el eje X</source>
        <translation>%1; ez du X ardatza ebakitzen</translation>
    </message>
    <message>
        <source>%1; corta el eje X en %2</source>
        <translation>%1; X ardatza ebakitzen du hemen: %2</translation>
    </message>
</context>
<context>
    <name>GraphImage</name>
    <message>
        <source>Gráfica</source>
        <translation>Grafikoa</translation>
    </message>
    <message>
        <source>no se pudo escribir la imagen</source>
        <translation>ezin izan da irudia idatzi</translation>
    </message>
</context>
<context>
    <name>GraphView</name>
    <message>
        <source>Gráfica</source>
        <translation>Grafikoa</translation>
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
        <translation>Emaitzak</translation>
    </message>
    <message>
        <source>Resultado %1</source>
        <translation>%1. emaitza</translation>
    </message>
    <message>
        <source>Líneas de resultado</source>
        <translation>Emaitza-lerroak</translation>
    </message>
</context>
<context>
    <name>ResultsNotice</name>
    <message>
        <source>Ningún resultado</source>
        <translation>Emaitzarik ez</translation>
    </message>
    <message>
        <source>1 resultado</source>
        <translation>Emaitza 1</translation>
    </message>
    <message>
        <source>%1 resultados</source>
        <translation>%1 emaitza</translation>
    </message>
</context>
<context>
    <name>RuffiniTableModel</name>
    <message>
        <source>Dividendo</source>
        <translation>Zatikizuna</translation>
    </message>
    <message>
        <source>Productos</source>
        <translation>Biderkadurak</translation>
    </message>
    <message>
        <source>Cociente y resto</source>
        <translation>Zatidura eta hondarra</translation>
    </message>
    <message>
        <source>Raíz</source>
        <translation>Erroa</translation>
    </message>
    <message>
        <source>término independiente</source>
        <translation>gai askea</translation>
    </message>
</context>
<context>
    <name>SolutionDialog</name>
    <message>
        <source>Resolución paso a paso</source>
        <translation>Ebazpena urratsez urrats</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Itxi</translation>
    </message>
</context>
<context>
    <name>SolutionOpener</name>
    <message>
        <source>Doble clic: resolución paso a paso</source>
        <translation>Klik bikoitza: ebazpena urratsez urrats</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errorea</translation>
    </message>
</context>
<context>
    <name>SolutionSheet</name>
    <message>
        <source>Gráfica</source>
        <translation>Grafikoa</translation>
    </message>
    <message>
        <source>División entre (%1)</source>
        <translation>Zatiketa: (%1)</translation>
    </message>
    <message>
        <source>Raíces enteras</source>
        <translation>Erro osoak</translation>
    </message>
    <message>
        <source>Cociente: %1
Resto: %2</source>
        <translation>Zatidura: %1
Hondarra: %2</translation>
    </message>
    <message>
        <source>Factorización</source>
        <translation>Faktorizazioa</translation>
    </message>
</context>
<context>
    <name>TextCommand</name>
    <message>
        <source>factorix: el texto no es una suma de términos en x; no hay factorización que dar.
Pruebe «factorix --help» para más información.</source>
        <translation>factorix: testua ez da x-ko gaien batura bat; ez dago emateko faktorizaziorik.
Informazio gehiago lortzeko, probatu «factorix --help».</translation>
    </message>
</context>
<context>
    <name>TextRunner</name>
    <message>
        <source>%1: no se pudo leer la entrada estándar.
</source>
        <translation>%1: ezin izan da sarrera estandarra irakurri.
</translation>
    </message>
</context>
<context>
    <name>pupupHelp</name>
    <message>
        <source>Símbolos permitidos:</source>
        <translation>Onartutako ikurrak:</translation>
    </message>
    <message>
        <source>Números</source>
        <translation>Zenbakiak</translation>
    </message>
    <message>
        <source>Operadores (+, -, *, /) [teclado numérico]</source>
        <translation>Eragileak (+, -, *, /) [teklatu numerikoa]</translation>
    </message>
    <message>
        <source>Paréntesis (pulsar Control-8 y Control-9)</source>
        <translation>Parentesiak (Control-8 eta Control-9)</translation>
    </message>
    <message>
        <source>Exponentes (pulsar Shift-Número)</source>
        <translation>Berretzaileak (sakatu Maius-Zenbakia)</translation>
    </message>
    <message>
        <source>Letras (a, b, c, m, k, x, y, z)</source>
        <translation>Letrak (a, b, c, m, k, x, y, z)</translation>
    </message>
    <message>
        <source>Raíces (pulsar &quot;r&quot; para iniciarla y &quot;R&quot; para finalizarla)</source>
        <translation>Erroak (sakatu "r" hasteko eta "R" amaitzeko)</translation>
    </message>
    <message>
        <source>Manejo:</source>
        <translation>Erabilera:</translation>
    </message>
    <message>
        <source>Desplazar cursor de inserción (cursor izquierdo y derecho)</source>
        <translation>Txertatze-kurtsorea mugitu (ezkerreko eta eskuineko gezia)</translation>
    </message>
    <message>
        <source>Cambiar modo de inserción:</source>
        <translation>Txertatze-modua aldatu:</translation>
    </message>
    <message>
        <source>Insertar (Control-1) [teclado alfanumérico] {por defecto}</source>
        <translation>Txertatu (Control-1) [teklatu alfanumerikoa] {lehenetsia}</translation>
    </message>
    <message>
        <source>Sobreescribir (Control-2) [teclado alfanumérico]</source>
        <translation>Gainidatzi (Control-2) [teklatu alfanumerikoa]</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>Ados</translation>
    </message>
</context>
</TS>
