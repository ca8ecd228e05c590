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
    <message>
        <source>Descompone un polinomio en x con coeficientes enteros por sus raíces enteras.
Sin opciones abre la ventana del programa.

TEXTO es el polinomio tal como lo guarda la casilla de fórmula (2xe3+0xe2+0x-16,
con «e» delante de cada cifra elevada) o tal como se ve (2x³+0x²+0x-16), o
escrito como se suele escribir: &quot;x^3 - 8&quot;, &quot;X**2-1&quot;, &quot;−16 + 2x³&quot;, &quot;x^2 - 1 = 0&quot;.

Estado de salida: 0 si solo se escribieron líneas, 1 si un cálculo terminó
con un mensaje de error, 2 si las opciones no son válidas.</source>
        <translation>Koefiziente osoko x-ko polinomio bat bere erro osoen bidez deskonposatzen du.
Aukerarik gabe, programaren leihoa irekitzen du.

TESTUA polinomioa da, formula-laukiak gordetzen duen bezala (2xe3+0xe2+0x-16,
berretzaile den zifra bakoitzaren aurrean «e» jarrita), ikusten den bezala (2x³+0x²+0x-16),
edo ohi den bezala idatzita: &quot;x^3 - 8&quot;, &quot;X**2-1&quot;, &quot;−16 + 2x³&quot;, &quot;x^2 - 1 = 0&quot;.

Irteera-egoera: 0 lerroak soilik idatzi badira, 1 kalkuluren bat errore-mezu
batekin amaitu bada, 2 aukerak baliozkoak ez badira.</translation>
    </message>
    <message>
        <source>Dibuja la gráfica de P(x) sin pantalla: con --salida la escribe en un archivo .svg o .png de 800x600 (o de --tamano ANCHOxALTO); con --descripcion escribe en la salida la descripción que lee un lector de pantalla.</source>
        <translation>P(x)-ren grafikoa marrazten du pantailarik gabe: --salida emanez gero, 800x600 (edo --tamano ZABALERAxALTUERA) tamainako .svg edo .png fitxategi batean idazten du; --descripcion emanez gero, pantaila-irakurgailu batek irakurtzen duen deskribapena idazten du irteeran.</translation>
    </message>
    <message>
        <source>Escribe una hoja de N ejercicios (de 1 a 200) y después sus soluciones, cada una con su factorización y sus raíces. La misma --semilla da la misma hoja.</source>
        <translation>N ariketako orri bat idazten du (1etik 200era) eta ondoren haien soluzioak, bakoitza bere faktorizazioarekin eta erroekin. --semilla berak orri bera ematen du.</translation>
    </message>
    <message>
        <source>Abre la ventana «Hoja de ejercicios».</source>
        <translation>«Ariketa-orria» leihoa irekitzen du.</translation>
    </message>
    <message>
        <source>ARCHIVO</source>
        <translation>FITXATEGIA</translation>
    </message>
    <message>
        <source>ANCHOxALTO</source>
        <translation>ZABALERAxALTUERA</translation>
    </message>
    <message>
        <source>Con --grafica, el tamaño de la imagen en píxeles (800x600).</source>
        <translation>--grafica-rekin, irudiaren tamaina pixeletan (800x600).</translation>
    </message>
    <message>
        <source>Con --grafica, escribe la descripción de la gráfica.</source>
        <translation>--grafica-rekin, grafikoaren deskribapena idazten du.</translation>
    </message>
    <message>
        <source>Con --ejercicios, el grado de los polinomios, de 2 a 8 (3).</source>
        <translation>--ejercicios-ekin, polinomioen maila, 2tik 8ra (3).</translation>
    </message>
    <message>
        <source>Con --ejercicios, entre qué enteros están las raíces (-6..6).</source>
        <translation>--ejercicios-ekin, erroak zein zenbaki osoren artean dauden (-6..6).</translation>
    </message>
    <message>
        <source>Con --ejercicios, algunas raíces son p/q, con q de 2 a 4.</source>
        <translation>--ejercicios-ekin, erro batzuk p/q dira, q 2tik 4ra izanik.</translation>
    </message>
    <message>
        <source>Con --ejercicios, un factor es de segundo grado sin raíces reales.</source>
        <translation>--ejercicios-ekin, faktore bat bigarren mailakoa da, erro errealik gabea.</translation>
    </message>
    <message>
        <source>Con --ejercicios, la semilla de la hoja (un entero de 0 a 2^64-1).</source>
        <translation>--ejercicios-ekin, orriaren hazia (0tik 2^64-1era bitarteko zenbaki osoa).</translation>
    </message>
    <message>
        <source>Con --ejercicios, cada solución con su resolución paso a paso.</source>
        <translation>--ejercicios-ekin, soluzio bakoitza bere ebazpenarekin urratsez urrats.</translation>
    </message>
    <message>
        <source>FORMATO</source>
        <translation>FORMATUA</translation>
    </message>
    <message>
        <source>Con --pasos, escribe la solución como un objeto JSON en una línea por polinomio.</source>
        <translation>--pasos-ekin, soluzioa JSON objektu gisa idazten du, lerro bat polinomio bakoitzeko.</translation>
    </message>
    <message>
        <source>--json solo acompaña a --pasos.</source>
        <translation>--json --pasos-ekin bakarrik erabiltzen da.</translation>
    </message>
    <message>
        <source>El archivo que escriben --grafica, --ejercicios y --pasos.</source>
        <translation>--grafica, --ejercicios eta --pasos aukerek idazten duten fitxategia.</translation>
    </message>
    <message>
        <source>Con --ejercicios o --pasos, texto, json, html, latex o pdf; si no se indica, el de la terminación de --salida, y si no hay archivo, texto.</source>
        <translation>--ejercicios edo --pasos-ekin, texto, json, html, latex edo pdf; adierazten ez bada, --salida-ren amaierakoa, eta fitxategirik ez badago, texto.</translation>
    </message>
    <message>
        <source>Escribe la resolución paso a paso de TEXTO: el factor común, los candidatos probados con el teorema del resto, las tablas de Ruffini, la ecuación de segundo grado o bicuadrada que queda, las raíces con su multiplicidad y la factorización. Con --json, un objeto JSON por polinomio; con --formato o --salida, un documento (texto, JSON, HTML, LaTeX o PDF).</source>
        <translation>TESTUAren ebazpena idazten du urratsez urrats: faktore komuna, hondarraren teoremarekin probatutako hautagaiak, Ruffiniren taulak, geratzen den bigarren mailako ekuazioa edo ekuazio bikarratua, erroak beren anizkoiztasunarekin eta faktorizazioa. --json-ekin, JSON objektu bat polinomio bakoitzeko; --formato edo --salida-rekin, dokumentu bat (testua, JSON, HTML, LaTeX edo PDF).</translation>
    </message>
    <message>
        <source>--%1 se indica una sola vez.</source>
        <translation>--%1 behin bakarrik adierazten da.</translation>
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
    <name>DrawingOutput</name>
    <message>
        <source>--formato es texto, json, html, latex o pdf, no «%1».</source>
        <translation>--formato texto, json, html, latex edo pdf da, ez «%1».</translation>
    </message>
    <message>
        <source>no se sabe en qué formato escribir «%1»: indique --formato.</source>
        <translation>ez dakigu «%1» zein formatutan idatzi: adierazi --formato.</translation>
    </message>
    <message>
        <source>un PDF se escribe en un archivo: indique --salida ARCHIVO.pdf.</source>
        <translation>PDF bat fitxategi batean idazten da: adierazi --salida FITXATEGIA.pdf.</translation>
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
    <name>ExerciseSheetDialog</name>
    <message>
        <source>Hoja de ejercicios</source>
        <translation>Ariketa-orria</translation>
    </message>
    <message>
        <source>Con raíces fraccionarias (p/q, con q de 2 a 4)</source>
        <translation>Erro zatikiekin (p/q, q 2tik 4ra)</translation>
    </message>
    <message>
        <source>Con un factor de segundo grado sin raíces reales</source>
        <translation>Erro errealik gabeko bigarren mailako faktore batekin</translation>
    </message>
    <message>
        <source>Soluciones con la resolución paso a paso</source>
        <translation>Soluzioak ebazpenarekin urratsez urrats</translation>
    </message>
    <message>
        <source>Otra semilla</source>
        <translation>Beste hazi bat</translation>
    </message>
    <message>
        <source>y</source>
        <translation>eta</translation>
    </message>
    <message>
        <source>&amp;Número de ejercicios:</source>
        <translation>&amp;Ariketa kopurua:</translation>
    </message>
    <message>
        <source>&amp;Grado:</source>
        <translation>&amp;Maila:</translation>
    </message>
    <message>
        <source>&amp;Raíces enteras entre:</source>
        <translation>&amp;Erro osoak, tarte honetan:</translation>
    </message>
    <message>
        <source>&amp;Semilla:</source>
        <translation>&amp;Hazia:</translation>
    </message>
    <message>
        <source>Vista previa</source>
        <translation>Aurrebista</translation>
    </message>
    <message>
        <source>&amp;Guardar…</source>
        <translation>&amp;Gorde…</translation>
    </message>
    <message>
        <source>&amp;Imprimir…</source>
        <translation>&amp;Inprimatu…</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Itxi</translation>
    </message>
    <message>
        <source>La semilla debe ser un número entero de 0 a 18446744073709551615.</source>
        <translation>Haziak 0 eta 18446744073709551615 arteko zenbaki osoa izan behar du.</translation>
    </message>
    <message>
        <source>No se pudo guardar la hoja en «%1»: %2</source>
        <translation>Ezin izan da orria «%1»(e)n gorde: %2</translation>
    </message>
    <message>
        <source>Guardar la hoja de ejercicios</source>
        <translation>Gorde ariketa-orria</translation>
    </message>
    <message>
        <source>hoja-de-ejercicios.pdf</source>
        <translation>ariketa-orria.pdf</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;LaTeX (*.tex);;HTML (*.html);;Texto (*.txt);;JSON (*.json)</source>
        <translation>PDF (*.pdf);;LaTeX (*.tex);;HTML (*.html);;Testua (*.txt);;JSON (*.json)</translation>
    </message>
</context>
<context>
    <name>ExerciseSheetDocument</name>
    <message>
        <source>x = %1</source>
        <translation>x = %1</translation>
    </message>
    <message>
        <source>Hoja de ejercicios</source>
        <translation>Ariketa-orria</translation>
    </message>
    <message>
        <source>Grado %1 · raíces entre %2 y %3</source>
        <translation>%1. maila · erroak %2 eta %3 artean</translation>
    </message>
    <message>
        <source> · con raíces fraccionarias</source>
        <translation> · erro zatikiekin</translation>
    </message>
    <message>
        <source> · con un factor de segundo grado sin raíces reales</source>
        <translation> · erro errealik gabeko bigarren mailako faktore batekin</translation>
    </message>
    <message>
        <source> · semilla %1</source>
        <translation> · hazia: %1</translation>
    </message>
    <message>
        <source>Factoriza y halla las raíces de cada polinomio.</source>
        <translation>Faktorizatu polinomio bakoitza eta aurkitu haren erroak.</translation>
    </message>
    <message>
        <source>%1. P(x) = %2</source>
        <translation>%1. P(x) = %2</translation>
    </message>
    <message>
        <source>Soluciones</source>
        <translation>Soluzioak</translation>
    </message>
    <message>
        <source>Factorización: %1</source>
        <translation>Faktorizazioa: %1</translation>
    </message>
    <message>
        <source>Raíces: %1</source>
        <translation>Erroak: %1</translation>
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
numerikoko &quot;+&quot; eta &quot;-&quot;.
· &quot;x&quot; idazteko, sakatu teklatu alfanumerikoko 
&quot;x&quot; tekla.
· Berreturak idazteko, eutsi sakatuta Maius tekla (maiuskulen 
gezia) eta, askatu gabe, sakatu nahi duzun zenbakia 
teklatu alfanumerikoan.

Deskonposizio posibleak kalkulatzeko, egin klik 
&quot;Kalkulatu&quot; botoian. Ordenagailuaren ahalmenaren arabera, 
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
    <name>GraphCommand</name>
    <message>
        <source>--%1 no es una opción de --grafica.</source>
        <translation>--%1 ez da --grafica-ren aukera bat.</translation>
    </message>
    <message>
        <source>indique un solo TEXTO y una sola --salida.</source>
        <translation>adierazi TESTU bakarra eta --salida bakarra.</translation>
    </message>
    <message>
        <source>indique --salida ARCHIVO.svg o ARCHIVO.png, o --descripcion.</source>
        <translation>adierazi --salida FITXATEGIA.svg edo FITXATEGIA.png, edo --descripcion.</translation>
    </message>
    <message>
        <source>la gráfica se escribe en un archivo .svg o .png, no en «%1».</source>
        <translation>grafikoa .svg edo .png fitxategi batean idazten da, ez «%1»(e)n.</translation>
    </message>
    <message>
        <source>--tamano es ANCHOxALTO en píxeles, de %1 a %2 cada uno (800x600).</source>
        <translation>--tamano ZABALERAxALTUERA da pixeletan, bakoitza %1etik %2ra (800x600).</translation>
    </message>
    <message>
        <source>el texto no es una suma de términos en x; no hay gráfica que dar.</source>
        <translation>testua ez da x-ko gaien batura bat; ez dago emateko grafikorik.</translation>
    </message>
    <message>
        <source>no se pudo escribir «%1»: %2</source>
        <translation>ezin izan da «%1» idatzi: %2</translation>
    </message>
    <message>
        <source>no se pudo escribir la salida.</source>
        <translation>ezin izan da irteera idatzi.</translation>
    </message>
    <message>
        <source>este polinomio es demasiado grande para dibujarlo: grado 400 como máximo, raíces de valor absoluto menor que 10³⁰⁰ y un segundo de cálculo.</source>
        <translation>polinomio hau handiegia da marrazteko: gehienez 400. maila, 10³⁰⁰ baino balio absolutu txikiagoko erroak eta segundo bateko kalkulua.</translation>
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
    <message>
        <source>x = %1</source>
        <translation>x = %1</translation>
    </message>
    <message>
        <source>x ≈ %1</source>
        <translation>x ≈ %1</translation>
    </message>
    <message>
        <source>%1 y %2</source>
        <translation>%1 eta %2</translation>
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
    <name>PolynomialArgument</name>
    <message>
        <source>%1: el texto no es un polinomio en x: </source>
        <translation>%1: testua ez da x-ko polinomio bat: </translation>
    </message>
    <message>
        <source>termina antes de completarse.</source>
        <translation>osatu baino lehen amaitzen da.</translation>
    </message>
    <message>
        <source>no se puede leer %1 (carácter %2).</source>
        <translation>ezin da %1 irakurri (%2. karakterea).</translation>
    </message>
</context>
<context>
    <name>PolynomialPaste</name>
    <message>
        <source>Ctrl+V o Mayús+Insert: pegar un polinomio
Ctrl+Insert: copiar la fórmula como se ve</source>
        <translation>Ctrl+V edo Maius+Insert: itsatsi polinomio bat
Ctrl+Insert: kopiatu formula ikusten den bezala</translation>
    </message>
    <message>
        <source>El portapapeles no contiene un polinomio en x.</source>
        <translation>Arbelak ez dauka x-ko polinomiorik.</translation>
    </message>
    <message>
        <source>Pegar</source>
        <translation>Itsatsi</translation>
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
    <name>SheetBuilder</name>
    <message>
        <source>División entre (%1)</source>
        <translation>Zatiketa: (%1)</translation>
    </message>
    <message>
        <source>Factor común</source>
        <translation>Faktore komuna</translation>
    </message>
    <message>
        <source>Raíces</source>
        <translation>Erroak</translation>
    </message>
    <message>
        <source>Factorización</source>
        <translation>Faktorizazioa</translation>
    </message>
</context>
<context>
    <name>SheetCommand</name>
    <message>
        <source>--ejercicios necesita un número de ejercicios, de 1 a 200.</source>
        <translation>--ejercicios-ek ariketa kopuru bat behar du, 1etik 200era.</translation>
    </message>
    <message>
        <source>--grado necesita un número, de 2 a 8.</source>
        <translation>--grado-k zenbaki bat behar du, 2tik 8ra.</translation>
    </message>
    <message>
        <source>--raices es A..B, dos enteros, por ejemplo --raices=-6..6.</source>
        <translation>--raices A..B da, bi zenbaki oso, adibidez --raices=-6..6.</translation>
    </message>
    <message>
        <source>--semilla necesita un entero de 0 a 18446744073709551615.</source>
        <translation>--semilla-k 0 eta 18446744073709551615 arteko zenbaki oso bat behar du.</translation>
    </message>
    <message>
        <source>--%1 no es una opción de --ejercicios.</source>
        <translation>--%1 ez da --ejercicios-en aukera bat.</translation>
    </message>
    <message>
        <source>--%1 se indica una sola vez.</source>
        <translation>--%1 behin bakarrik adierazten da.</translation>
    </message>
    <message>
        <source>no se pudo escribir «%1»: %2</source>
        <translation>ezin izan da «%1» idatzi: %2</translation>
    </message>
    <message>
        <source>no se pudo escribir la salida.</source>
        <translation>ezin izan da irteera idatzi.</translation>
    </message>
    <message>
        <source>--hoja abre la ventana y no lleva más opciones.</source>
        <translation>--hoja-k leihoa irekitzen du eta ez du beste aukerarik hartzen.</translation>
    </message>
    <message>
        <source>indique la orden de esta opción: --grafica TEXTO o --ejercicios N.</source>
        <translation>adierazi aukera honen agindua: --grafica TESTUA edo --ejercicios N.</translation>
    </message>
</context>
<context>
    <name>SheetProblemText</name>
    <message>
        <source>El número de ejercicios debe estar entre 1 y 200.</source>
        <translation>Ariketa kopuruak 1 eta 200 artean egon behar du.</translation>
    </message>
    <message>
        <source>El grado debe estar entre 2 y 8.</source>
        <translation>Mailak 2 eta 8 artean egon behar du.</translation>
    </message>
    <message>
        <source>Las raíces deben estar entre −1000 y 1000, y el primer extremo no puede ser mayor que el segundo.</source>
        <translation>Erroek −1000 eta 1000 artean egon behar dute, eta lehen muturra ezin da bigarrena baino handiagoa izan.</translation>
    </message>
    <message>
        <source>Un factor de segundo grado sin raíces reales necesita grado 3 o más (4 o más con raíces fraccionarias).</source>
        <translation>Erro errealik gabeko bigarren mailako faktore batek 3. maila edo handiagoa behar du (4. edo handiagoa erro zatikiekin).</translation>
    </message>
    <message>
        <source>Las raíces fraccionarias necesitan un intervalo de más de un número.</source>
        <translation>Erro zatikiek zenbaki bat baino gehiagoko tartea behar dute.</translation>
    </message>
    <message>
        <source>Con estas opciones no hay %1 polinomios distintos.</source>
        <translation>Aukera hauekin ez dago %1 polinomio desberdin.</translation>
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
    <message>
        <source>&amp;Copiar</source>
        <translation>&amp;Kopiatu</translation>
    </message>
    <message>
        <source>Copiar &amp;LaTeX</source>
        <translation>Kopiatu &amp;LaTeXa</translation>
    </message>
    <message>
        <source>&amp;Guardar…</source>
        <translation>&amp;Gorde…</translation>
    </message>
    <message>
        <source>&amp;Imprimir…</source>
        <translation>&amp;Inprimatu…</translation>
    </message>
</context>
<context>
    <name>SolutionDocument</name>
    <message>
        <source>la resolución no se escribe en JSON desde la hoja.</source>
        <translation>ebazpena ez da JSONen idazten orritik.</translation>
    </message>
</context>
<context>
    <name>SolutionExport</name>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>LaTeX (*.tex)</source>
        <translation>LaTeX (*.tex)</translation>
    </message>
    <message>
        <source>HTML (*.html *.htm)</source>
        <translation>HTML (*.html *.htm)</translation>
    </message>
    <message>
        <source>Texto (*.txt)</source>
        <translation>Testua (*.txt)</translation>
    </message>
    <message>
        <source>Guardar la resolución</source>
        <translation>Gorde ebazpena</translation>
    </message>
    <message>
        <source>resolucion.pdf</source>
        <translation>ebazpena.pdf</translation>
    </message>
    <message>
        <source>No se pudo guardar la resolución en «%1»: %2</source>
        <translation>Ezin izan da ebazpena «%1»(e)n gorde: %2</translation>
    </message>
    <message>
        <source>No se pudo imprimir la resolución.</source>
        <translation>Ezin izan da ebazpena inprimatu.</translation>
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
    <name>SolutionPages</name>
    <message>
        <source>no se pudo dibujar el documento</source>
        <translation>ezin izan da dokumentua marraztu</translation>
    </message>
</context>
<context>
    <name>SolutionSheet</name>
    <message>
        <source>Gráfica</source>
        <translation>Grafikoa</translation>
    </message>
</context>
<context>
    <name>SolutionText</name>
    <message>
        <source>Δ &gt; 0: dos soluciones reales distintas</source>
        <translation>Δ &gt; 0: bi soluzio erreal desberdin</translation>
    </message>
    <message>
        <source>Δ = 0: una solución doble</source>
        <translation>Δ = 0: soluzio bikoitz bat</translation>
    </message>
    <message>
        <source>Δ &lt; 0: la ecuación en t no tiene soluciones reales</source>
        <translation>Δ &lt; 0: t-ren ekuazioak ez du soluzio errealik</translation>
    </message>
    <message>
        <source>Δ &gt; 0: dos raíces reales distintas</source>
        <translation>Δ &gt; 0: bi erro erreal desberdin</translation>
    </message>
    <message>
        <source>Δ = 0: una raíz doble</source>
        <translation>Δ = 0: erro bikoitz bat</translation>
    </message>
    <message>
        <source>Δ &lt; 0: no tiene raíces reales</source>
        <translation>Δ &lt; 0: ez du erro errealik</translation>
    </message>
    <message>
        <source>doble</source>
        <translation>bikoitza</translation>
    </message>
    <message>
        <source>triple</source>
        <translation>hirukoitza</translation>
    </message>
    <message>
        <source>cuádruple</source>
        <translation>laukoitza</translation>
    </message>
    <message>
        <source>multiplicidad %1</source>
        <translation>%1 anizkoiztasuna</translation>
    </message>
    <message numerus="yes">
        <source>… y %n candidatos más, con resto distinto de 0</source>
        <translation>
            <numerusform>… eta beste %n hautagai, 0 ez den hondarrarekin</numerusform>
            <numerusform>… eta beste %n hautagai, 0 ez den hondarrarekin</numerusform>
        </translation>
    </message>
    <message>
        <source>t = x²: %1 = 0</source>
        <translation>t = x²: %1 = 0</translation>
    </message>
    <message>
        <source>%1 = 0 no tiene raíces racionales</source>
        <translation>%1 = 0 ekuazioak ez du erro arrazionalik</translation>
    </message>
    <message>
        <source>no tiene raíces reales</source>
        <translation>ez du erro errealik</translation>
    </message>
    <message numerus="yes">
        <source>%n raíces no reales</source>
        <translation>
            <numerusform>%n erro ez-erreal</numerusform>
            <numerusform>%n erro ez-erreal</numerusform>
        </translation>
    </message>
    <message>
        <source>Sin raíces racionales, se factoriza sobre los enteros:</source>
        <translation>Erro arrazionalik gabe, zenbaki osoen gainean faktorizatzen da:</translation>
    </message>
    <message>
        <source>Raíces racionales</source>
        <translation>Erro arrazionalak</translation>
    </message>
    <message>
        <source>Raíces enteras</source>
        <translation>Erro osoak</translation>
    </message>
    <message>
        <source>Primer grado</source>
        <translation>Lehen maila</translation>
    </message>
    <message>
        <source>Segundo grado</source>
        <translation>Bigarren maila</translation>
    </message>
    <message>
        <source>Bicuadrada</source>
        <translation>Bikarratua</translation>
    </message>
    <message>
        <source>Raíces aproximadas</source>
        <translation>Erro hurbilduak</translation>
    </message>
    <message>
        <source>x = %1: resto %2</source>
        <translation>x = %1: hondarra %2</translation>
    </message>
    <message>
        <source>Raíces: todo número es raíz</source>
        <translation>Erroak: zenbaki oro da erroa</translation>
    </message>
    <message>
        <source>Raíces: no tiene</source>
        <translation>Erroak: ez du</translation>
    </message>
    <message>
        <source>Raíces: %1</source>
        <translation>Erroak: %1</translation>
    </message>
    <message>
        <source>Factorización: %1</source>
        <translation>Faktorizazioa: %1</translation>
    </message>
    <message>
        <source>Factor común</source>
        <translation>Faktore komuna</translation>
    </message>
</context>
<context>
    <name>StepsDocumentCommand</name>
    <message>
        <source>el texto no es una suma de términos en x; no hay pasos que dar.</source>
        <translation>testua ez da x-ko gaien batura; ez dago urratsik emateko.</translation>
    </message>
    <message>
        <source>--%1 no acompaña a --pasos con --formato o --salida.</source>
        <translation>--%1 ez doa --pasos-ekin --formato edo --salida erabiltzean.</translation>
    </message>
    <message>
        <source>con --formato o --salida, indique un solo TEXTO (no «-»), un solo formato y una sola --salida.</source>
        <translation>--formato edo --salida erabiltzean, adierazi TESTU bakarra (ez «-»), formatu bakarra eta --salida bakarra.</translation>
    </message>
    <message>
        <source>no se pudo escribir «%1»: %2</source>
        <translation>ezin izan da «%1» idatzi: %2</translation>
    </message>
    <message>
        <source>no se pudo escribir la salida.</source>
        <translation>ezin izan da irteera idatzi.</translation>
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
    <name>WorkReport</name>
    <message>
        <source>Cociente: %1</source>
        <translation>Zatidura: %1</translation>
    </message>
    <message>
        <source>Resto: %1</source>
        <translation>Hondarra: %1</translation>
    </message>
    <message>
        <source>Factorización: %1</source>
        <translation>Faktorizazioa: %1</translation>
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
        <translation>Erroak (sakatu &quot;r&quot; hasteko eta &quot;R&quot; amaitzeko)</translation>
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
