<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
    <context>
        <name>Tarvik</name>
        <message>
            <source>1.14</source>
            <comment>1</comment>
            <translation>1.14</translation>
        </message>
        <message>
            <source>DEFAULT_CHARSET</source>
            <comment>10</comment>
            <translation>ANSI_CHARSET</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <comment>100</comment>
            <translation>&amp;File</translation>
        </message>
        <message>
            <source>&amp;New</source>
            <comment>105</comment>
            <translation>&amp;Nuovo</translation>
        </message>
        <message>
            <source>&amp;Open...</source>
            <comment>110</comment>
            <translation>&amp;Apri...</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <comment>115</comment>
            <translation>&amp;Salva</translation>
        </message>
        <message>
            <source>Save &amp;As...</source>
            <comment>120</comment>
            <translation>Salva con no&amp;me...</translation>
        </message>
        <message>
            <source>Printer Set&amp;up...</source>
            <comment>125</comment>
            <translation>&amp;Imposta stampante...</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <comment>130</comment>
            <translation>S&amp;tampa...</translation>
        </message>
        <message>
            <source>Print Pre&amp;view...</source>
            <comment>131</comment>
            <translation>Ante&amp;prima di stampa...</translation>
        </message>
        <message>
            <source>E&amp;xport to PDF...</source>
            <comment>132</comment>
            <translation>Esporta in P&amp;DF...</translation>
        </message>
        <message>
            <source>P&amp;references...</source>
            <comment>135</comment>
            <translation>P&amp;referenze</translation>
        </message>
        <message>
            <source>&amp;Metrics...</source>
            <comment>140</comment>
            <translation>&amp;Unità di misura</translation>
        </message>
        <message>
            <source>&amp;Cm</source>
            <comment>145</comment>
            <translation>&amp;Centimetri</translation>
        </message>
        <message>
            <source>&amp;Inches</source>
            <comment>150</comment>
            <translation>&amp;Pollici</translation>
        </message>
        <message>
            <source>&amp;Default styles...</source>
            <comment>155</comment>
            <translation>&amp;Stili predefiniti...</translation>
        </message>
        <message>
            <source>&amp;Reassociate file types</source>
            <comment>160</comment>
            <translation>&amp;Riassocia i tipi di file</translation>
        </message>
        <message>
            <source>&amp;Language</source>
            <comment>165</comment>
            <translation>&amp;Lingua</translation>
        </message>
        <message>
            <source>&amp;Set round label</source>
            <comment>170</comment>
            <translation>Imposta &amp;etichetta rotonda...</translation>
        </message>
        <message>
            <source>&amp;Exit</source>
            <comment>195</comment>
            <translation>&amp;Esci</translation>
        </message>
        <message>
            <source>&amp;Undo</source>
            <comment>197</comment>
            <translation>&amp;Annulla</translation>
        </message>
        <message>
            <source>&amp;Redo</source>
            <comment>198</comment>
            <translation>&amp;Ripeti</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <comment>200</comment>
            <translation>&amp;Modifica</translation>
        </message>
        <message>
            <source>Cu&amp;t</source>
            <comment>205</comment>
            <translation>&amp;Taglia</translation>
        </message>
        <message>
            <source>&amp;Copy</source>
            <comment>210</comment>
            <translation>&amp;Copia</translation>
        </message>
        <message>
            <source>&amp;Paste</source>
            <comment>215</comment>
            <translation>&amp;Incolla</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <comment>220</comment>
            <translation>&amp;Elimina</translation>
        </message>
        <message>
            <source>Bring to &amp;Front</source>
            <comment>230</comment>
            <translation>Porta in &amp;primo piano</translation>
        </message>
        <message>
            <source>Send to &amp;Back</source>
            <comment>235</comment>
            <translation>Porta in &amp;secondo piano</translation>
        </message>
        <message>
            <source>&amp;Align...</source>
            <comment>240</comment>
            <translation>A&amp;llinea...</translation>
        </message>
        <message>
            <source>&amp;Lock images and text</source>
            <comment>245</comment>
            <translation>&amp;Blocca immagini e testo</translation>
        </message>
        <message>
            <source>&amp;Select none</source>
            <comment>250</comment>
            <translation>&amp;Deseleziona tutto</translation>
        </message>
        <message>
            <source>Use Tarvik &amp;Wizard</source>
            <comment>255</comment>
            <translation>Usa la procedura &amp;guidata di Tarvik</translation>
        </message>
        <message>
            <source>&amp;Insert</source>
            <comment>300</comment>
            <translation>&amp;Inserisci</translation>
        </message>
        <message>
            <source>&amp;Text</source>
            <comment>305</comment>
            <translation>&amp;Testo</translation>
        </message>
        <message>
            <source>&amp;Image</source>
            <comment>310</comment>
            <translation>&amp;Immagine</translation>
        </message>
        <message>
            <source>&amp;Align</source>
            <comment>400</comment>
            <translation>&amp;Allinea</translation>
        </message>
        <message>
            <source>&amp;Horizontally...</source>
            <comment>405</comment>
            <translation>&amp;Orizzontalmente</translation>
        </message>
        <message>
            <source>&amp;Left</source>
            <comment>410</comment>
            <translation>A &amp;sinistra</translation>
        </message>
        <message>
            <source>&amp;Center</source>
            <comment>415</comment>
            <translation>Al &amp;centro</translation>
        </message>
        <message>
            <source>&amp;Right</source>
            <comment>420</comment>
            <translation>A &amp;destra</translation>
        </message>
        <message>
            <source>&amp;Vertically...</source>
            <comment>425</comment>
            <translation>&amp;Verticalmente</translation>
        </message>
        <message>
            <source>&amp;Top</source>
            <comment>430</comment>
            <translation>In &amp;alto</translation>
        </message>
        <message>
            <source>&amp;Middle</source>
            <comment>435</comment>
            <translation>Al &amp;centro</translation>
        </message>
        <message>
            <source>&amp;Bottom</source>
            <comment>440</comment>
            <translation>In &amp;basso</translation>
        </message>
        <message>
            <source>&amp;?</source>
            <comment>600</comment>
            <translation>&amp;?</translation>
        </message>
        <message>
            <source>&amp;Contents</source>
            <comment>605</comment>
            <translation>&amp;Sommario</translation>
        </message>
        <message>
            <source>&amp;Index...</source>
            <comment>610</comment>
            <translation>In&amp;dice...</translation>
        </message>
        <message>
            <source>&amp;About Tarvik...</source>
            <comment>630</comment>
            <translation>&amp;Informazioni su Tarvik...</translation>
        </message>
        <message>
            <source>Tarvik Help</source>
            <comment>640</comment>
            <translation>Guida di Tarvik</translation>
        </message>
        <message>
            <source>Back</source>
            <comment>645</comment>
            <translation>Indietro</translation>
        </message>
        <message>
            <source>Contents</source>
            <comment>650</comment>
            <translation>Sommario</translation>
        </message>
        <message>
            <source>Index</source>
            <comment>655</comment>
            <translation>Indice</translation>
        </message>
        <message>
            <source>New</source>
            <comment>1000</comment>
            <translation>Nuovo</translation>
        </message>
        <message>
            <source>Open</source>
            <comment>1010</comment>
            <translation>Apri</translation>
        </message>
        <message>
            <source>Save</source>
            <comment>1020</comment>
            <translation>Salva</translation>
        </message>
        <message>
            <source>Print</source>
            <comment>1030</comment>
            <translation>Stampa</translation>
        </message>
        <message>
            <source>Insert text</source>
            <comment>1040</comment>
            <translation>Inserisci testo</translation>
        </message>
        <message>
            <source>Insert image</source>
            <comment>1050</comment>
            <translation>Inserisci immagine</translation>
        </message>
        <message>
            <source>Undo</source>
            <comment>1055</comment>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>Cut</source>
            <comment>1060</comment>
            <translation>Taglia</translation>
        </message>
        <message>
            <source>Copy</source>
            <comment>1070</comment>
            <translation>Copia</translation>
        </message>
        <message>
            <source>Paste</source>
            <comment>1080</comment>
            <translation>Incolla</translation>
        </message>
        <message>
            <source>Delete</source>
            <comment>1090</comment>
            <translation>Elimina</translation>
        </message>
        <message>
            <source>Rectangular selection</source>
            <comment>1100</comment>
            <translation>Selezione rettangolare</translation>
        </message>
        <message>
            <source>Select none</source>
            <comment>1110</comment>
            <translation>Deseleziona tutto</translation>
        </message>
        <message>
            <source>Bring to Front</source>
            <comment>1120</comment>
            <translation>Porta in primo piano</translation>
        </message>
        <message>
            <source>Send to Back</source>
            <comment>1130</comment>
            <translation>Porta in secondo piano</translation>
        </message>
        <message>
            <source>Zoom in</source>
            <comment>1140</comment>
            <translation>Ingrandisci</translation>
        </message>
        <message>
            <source>Zoom out</source>
            <comment>1150</comment>
            <translation>Riduci</translation>
        </message>
        <message>
            <source>Align to Left</source>
            <comment>1160</comment>
            <translation>Allinea a sinistra</translation>
        </message>
        <message>
            <source>Center</source>
            <comment>1170</comment>
            <translation>Centra</translation>
        </message>
        <message>
            <source>Align to Right</source>
            <comment>1180</comment>
            <translation>Allinea a destra</translation>
        </message>
        <message>
            <source>Align to Top</source>
            <comment>1190</comment>
            <translation>Allinea in alto</translation>
        </message>
        <message>
            <source>Align to Middle</source>
            <comment>1200</comment>
            <translation>Allinea al centro</translation>
        </message>
        <message>
            <source>Align to Bottom</source>
            <comment>1210</comment>
            <translation>Allinea in basso</translation>
        </message>
        <message>
            <source>Return to Wizard</source>
            <comment>1215</comment>
            <translation>Torna alla procedura guidata</translation>
        </message>
        <message>
            <source>Create the cover using Tarvik Wizard</source>
            <comment>1220</comment>
            <translation>Crea la copertina con la procedura guidata di Tarvik</translation>
        </message>
        <message>
            <source>Help</source>
            <comment>1250</comment>
            <translation>Guida</translation>
        </message>
        <message>
            <source>Text</source>
            <comment>1500</comment>
            <translation>Testo</translation>
        </message>
        <message>
            <source>Text:</source>
            <comment>1510</comment>
            <translation>Testo:</translation>
        </message>
        <message>
            <source>Font:</source>
            <comment>1520</comment>
            <translation>Carattere:</translation>
        </message>
        <message>
            <source>Angle:</source>
            <comment>1530</comment>
            <translation>Angolo:</translation>
        </message>
        <message>
            <source>Background:</source>
            <comment>1540</comment>
            <translation>Sfondo:</translation>
        </message>
        <message>
            <source>Transparent</source>
            <comment>1550</comment>
            <translation>Trasparente</translation>
        </message>
        <message>
            <source>CD Title</source>
            <comment>1570</comment>
            <translation>Titolo del CD</translation>
        </message>
        <message>
            <source>CD Author</source>
            <comment>1580</comment>
            <translation>Autore del CD</translation>
        </message>
        <message>
            <source>CD Tracks</source>
            <comment>1590</comment>
            <translation>Brani del CD</translation>
        </message>
        <message>
            <source>CD Information</source>
            <comment>1600</comment>
            <translation>Informazioni sul CD</translation>
        </message>
        <message>
            <source>Left Spine</source>
            <comment>1610</comment>
            <translation>Costina sinistra</translation>
        </message>
        <message>
            <source>Right Spine</source>
            <comment>1620</comment>
            <translation>Costina destra</translation>
        </message>
        <message>
            <source>Round Label</source>
            <comment>1630</comment>
            <translation>Etichetta rotonda</translation>
        </message>
        <message>
            <source>Insert the text here</source>
            <comment>1700</comment>
            <translation>Inserire qui il testo</translation>
        </message>
        <message>
            <source>Font used to display the text</source>
            <comment>1710</comment>
            <translation>Carattere usato per il testo</translation>
        </message>
        <message>
            <source>Font size</source>
            <comment>1720</comment>
            <translation>Dimensione del carattere</translation>
        </message>
        <message>
            <source>Font color</source>
            <comment>1730</comment>
            <translation>Colore del carattere</translation>
        </message>
        <message>
            <source>Font Bold</source>
            <comment>1740</comment>
            <translation>Grassetto</translation>
        </message>
        <message>
            <source>Font Italic</source>
            <comment>1750</comment>
            <translation>Corsivo</translation>
        </message>
        <message>
            <source>Font Underline</source>
            <comment>1760</comment>
            <translation>Sottolineato</translation>
        </message>
        <message>
            <source>Font Strikeout</source>
            <comment>1770</comment>
            <translation>Barrato</translation>
        </message>
        <message>
            <source>Angle of the text</source>
            <comment>1780</comment>
            <translation>Angolo di rotazione del testo</translation>
        </message>
        <message>
            <source>Make the text background transparent or solid</source>
            <comment>1800</comment>
            <translation>Rende lo sfondo del testo trasparente o pieno</translation>
        </message>
        <message>
            <source>Text background color</source>
            <comment>1810</comment>
            <translation>Colore di sfondo del testo</translation>
        </message>
        <message>
            <source>Apply a predefined style to the text</source>
            <comment>1820</comment>
            <translation>Applica al testo uno stile predefinito</translation>
        </message>
        <message>
            <source>Position:</source>
            <comment>1900</comment>
            <translation>Posizione:</translation>
        </message>
        <message>
            <source>Horizontal Position (in cm)</source>
            <comment>1910</comment>
            <translation>Posizione orizzontale (in cm)</translation>
        </message>
        <message>
            <source>Vertical Position (in cm)</source>
            <comment>1920</comment>
            <translation>Posizione verticale (in cm)</translation>
        </message>
        <message>
            <source>Horizontal Position (in inches)</source>
            <comment>1930</comment>
            <translation>Posizione orizzontale (in pollici)</translation>
        </message>
        <message>
            <source>Vertical Position (in inches)</source>
            <comment>1940</comment>
            <translation>Posizione verticale (in pollici)</translation>
        </message>
        <message>
            <source>Image</source>
            <comment>2000</comment>
            <translation>Immagine</translation>
        </message>
        <message>
            <source>Image:</source>
            <comment>2010</comment>
            <translation>Immagine:</translation>
        </message>
        <message>
            <source>Fit to:</source>
            <comment>2020</comment>
            <translation>Adatta a:</translation>
        </message>
        <message>
            <source>none</source>
            <comment>2030</comment>
            <translation>nessuno</translation>
        </message>
        <message>
            <source>front cover</source>
            <comment>2040</comment>
            <translation>copertina anteriore</translation>
        </message>
        <message>
            <source>inside cover</source>
            <comment>2050</comment>
            <translation>copertina interna</translation>
        </message>
        <message>
            <source>front &amp; inside cover</source>
            <comment>2060</comment>
            <translation>copertina anteriore e interna</translation>
        </message>
        <message>
            <source>back cover</source>
            <comment>2070</comment>
            <translation>copertina posteriore</translation>
        </message>
        <message>
            <source>back cover with spines</source>
            <comment>2080</comment>
            <translation>copertina posteriore con costine</translation>
        </message>
        <message>
            <source>CD label</source>
            <comment>2090</comment>
            <translation>etichetta del CD</translation>
        </message>
        <message>
            <source>Picture size</source>
            <comment>2100</comment>
            <translation>Dimensioni immagine</translation>
        </message>
        <message>
            <source>Width:</source>
            <comment>2110</comment>
            <translation>Larghezza:</translation>
        </message>
        <message>
            <source>Height:</source>
            <comment>2120</comment>
            <translation>Altezza:</translation>
        </message>
        <message>
            <source>Maintain aspect ratio</source>
            <comment>2130</comment>
            <translation>Mantieni le proporzioni</translation>
        </message>
        <message>
            <source>&amp;Back to the original size</source>
            <comment>2140</comment>
            <translation>&amp;Dimensioni originali</translation>
        </message>
        <message>
            <source>Image file name</source>
            <comment>2200</comment>
            <translation>Nome del file immagine</translation>
        </message>
        <message>
            <source>Change current image</source>
            <comment>2205</comment>
            <translation>Cambia l'immagine corrente</translation>
        </message>
        <message>
            <source>Make the image fit to...</source>
            <comment>2210</comment>
            <translation>Adatta l'immagine a...</translation>
        </message>
        <message>
            <source>Value in cm</source>
            <comment>2220</comment>
            <translation>Valore in cm</translation>
        </message>
        <message>
            <source>Value in inches</source>
            <comment>2230</comment>
            <translation>Valore in pollici</translation>
        </message>
        <message>
            <source>Keep the proportions between width and height when resizing</source>
            <comment>2240</comment>
            <translation>Mantiene le proporzioni tra larghezza e altezza durante il ridimensionamento</translation>
        </message>
        <message>
            <source>Bring the image back to its original size</source>
            <comment>2250</comment>
            <translation>Riporta l'immagine alle sue dimensioni originali</translation>
        </message>
        <message>
            <source>Colors</source>
            <comment>2300</comment>
            <translation>Colori</translation>
        </message>
        <message>
            <source>Front cover:</source>
            <comment>2310</comment>
            <translation>Copertina anteriore:</translation>
        </message>
        <message>
            <source>Inside cover:</source>
            <comment>2320</comment>
            <translation>Copertina interna:</translation>
        </message>
        <message>
            <source>Back cover:</source>
            <comment>2330</comment>
            <translation>Copertina posteriore:</translation>
        </message>
        <message>
            <source>Left spine:</source>
            <comment>2340</comment>
            <translation>Costina sinistra:</translation>
        </message>
        <message>
            <source>Right spine:</source>
            <comment>2350</comment>
            <translation>Costina destra:</translation>
        </message>
        <message>
            <source>CD label:</source>
            <comment>2360</comment>
            <translation>Etichetta CD:</translation>
        </message>
        <message>
            <source>Lines:</source>
            <comment>2370</comment>
            <translation>Linee:</translation>
        </message>
        <message>
            <source>CD Front Cover</source>
            <comment>2500</comment>
            <translation>Copertina anteriore</translation>
        </message>
        <message>
            <source>CD Inside Cover</source>
            <comment>2510</comment>
            <translation>Copertina interna</translation>
        </message>
        <message>
            <source>CD Back Cover</source>
            <comment>2520</comment>
            <translation>Copertina posteriore</translation>
        </message>
        <message>
            <source>CD Label</source>
            <comment>2525</comment>
            <translation>Etichetta CD</translation>
        </message>
        <message>
            <source>For Help press F1</source>
            <comment>2600</comment>
            <translation>Per la Guida, premere F1</translation>
        </message>
        <message>
            <source>Zoom: </source>
            <comment>2610</comment>
            <translation>Ingrandimento: </translation>
        </message>
        <message>
            <source>An error (</source>
            <comment>2700</comment>
            <translation>Si è verificato un errore (</translation>
        </message>
        <message>
            <source>) occurred during the printing process</source>
            <comment>2705</comment>
            <translation>) durante la stampa</translation>
        </message>
        <message>
            <source>The Image </source>
            <comment>2710</comment>
            <translation>L'immagine </translation>
        </message>
        <message>
            <source> could not be found! Do you want to search the image?</source>
            <comment>2715</comment>
            <translation> non è stata trovata. Cercarla?</translation>
        </message>
        <message>
            <source>The file has changed, do you want to save it before closing?</source>
            <comment>2720</comment>
            <translation>Il file è stato modificato. Salvarlo prima di chiudere?</translation>
        </message>
        <message>
            <source>Sorry, the dropped file format is unknown!</source>
            <comment>2725</comment>
            <translation>Il formato del file trascinato non è riconosciuto.</translation>
        </message>
        <message>
            <source>The language chosen will be used from the next start of Tarvik.</source>
            <comment>2730</comment>
            <translation>La lingua scelta sarà usata dal prossimo avvio di Tarvik.</translation>
        </message>
        <message>
            <source>The selection cannot be copied: the clipboard holds at most 72 elements, and pictures only among the first 51 selected. Nothing was copied.</source>
            <comment>2750</comment>
            <translation>La selezione non può essere copiata: gli appunti contengono al massimo 72 elementi, e immagini solo tra i primi 51 selezionati. Non è stato copiato nulla.</translation>
        </message>
        <message>
            <source>The clipboard holds damaged Tarvik data. Nothing was pasted.</source>
            <comment>2755</comment>
            <translation>Gli appunti contengono dati di Tarvik danneggiati. Non è stato incollato nulla.</translation>
        </message>
        <message>
            <source>The cover is full: some of the copied elements could not be pasted.</source>
            <comment>2760</comment>
            <translation>La copertina è piena: alcuni degli elementi copiati non sono stati incollati.</translation>
        </message>
        <message>
            <source>Set the Default Styles options</source>
            <comment>3000</comment>
            <translation>Impostazione degli stili predefiniti</translation>
        </message>
        <message>
            <source>Choose a style and then change its properties as you like:</source>
            <comment>3010</comment>
            <translation>Scegliere uno stile e modificarne le proprietà a piacere:</translation>
        </message>
        <message>
            <source>Font</source>
            <comment>3020</comment>
            <translation>Carattere</translation>
        </message>
        <message>
            <source>Name:</source>
            <comment>3030</comment>
            <translation>Nome:</translation>
        </message>
        <message>
            <source>Size:</source>
            <comment>3040</comment>
            <translation>Dimensione:</translation>
        </message>
        <message>
            <source>Color:</source>
            <comment>3050</comment>
            <translation>Colore:</translation>
        </message>
        <message>
            <source>Style:</source>
            <comment>3060</comment>
            <translation>Stile:</translation>
        </message>
        <message>
            <source>Angle:</source>
            <comment>3070</comment>
            <translation>Angolo:</translation>
        </message>
        <message>
            <source>Appearance</source>
            <comment>3080</comment>
            <translation>Aspetto</translation>
        </message>
        <message>
            <source>Transparent</source>
            <comment>3090</comment>
            <translation>Trasparente</translation>
        </message>
        <message>
            <source>Background color</source>
            <comment>3100</comment>
            <translation>Colore di sfondo</translation>
        </message>
        <message>
            <source>Preview</source>
            <comment>3110</comment>
            <translation>Anteprima</translation>
        </message>
        <message>
            <source>&amp;Reset default values</source>
            <comment>3120</comment>
            <translation>&amp;Ripristina i valori predefiniti</translation>
        </message>
        <message>
            <source>&amp;Set these values as default</source>
            <comment>3130</comment>
            <translation>&amp;Imposta questi valori come predefiniti</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <comment>3140</comment>
            <translation>&amp;Chiudi</translation>
        </message>
        <message>
            <source>Alignment</source>
            <comment>3500</comment>
            <translation>Allineamento</translation>
        </message>
        <message>
            <source>Horizontal</source>
            <comment>3510</comment>
            <translation>Orizzontale</translation>
        </message>
        <message>
            <source>&amp;No change</source>
            <comment>3520</comment>
            <translation>&amp;Nessuna modifica</translation>
        </message>
        <message>
            <source>&amp;Left Sides</source>
            <comment>3530</comment>
            <translation>Lati &amp;sinistri</translation>
        </message>
        <message>
            <source>&amp;Centers</source>
            <comment>3540</comment>
            <translation>&amp;Centri</translation>
        </message>
        <message>
            <source>&amp;Right Sides</source>
            <comment>3550</comment>
            <translation>Lati &amp;destri</translation>
        </message>
        <message>
            <source>&amp;Center in the c&amp;over</source>
            <comment>3560</comment>
            <translation>Centra nella c&amp;opertina</translation>
        </message>
        <message>
            <source>Vertical</source>
            <comment>3570</comment>
            <translation>Verticale</translation>
        </message>
        <message>
            <source>No chan&amp;ge</source>
            <comment>3580</comment>
            <translation>Nessuna &amp;modifica</translation>
        </message>
        <message>
            <source>&amp;Tops</source>
            <comment>3590</comment>
            <translation>Lati s&amp;uperiori</translation>
        </message>
        <message>
            <source>C&amp;enters</source>
            <comment>3600</comment>
            <translation>C&amp;entri</translation>
        </message>
        <message>
            <source>&amp;Bottoms</source>
            <comment>3610</comment>
            <translation>Lati &amp;inferiori</translation>
        </message>
        <message>
            <source>Center &amp;in the cover</source>
            <comment>3620</comment>
            <translation>Centra nella co&amp;pertina</translation>
        </message>
        <message>
            <source>Space equally</source>
            <comment>3630</comment>
            <translation>Distribuisci uniformemente</translation>
        </message>
        <message>
            <source>&amp;Left</source>
            <comment>3700</comment>
            <translation>A &amp;sinistra</translation>
        </message>
        <message>
            <source>&amp;Center</source>
            <comment>3710</comment>
            <translation>Al &amp;centro</translation>
        </message>
        <message>
            <source>&amp;Right</source>
            <comment>3720</comment>
            <translation>A &amp;destra</translation>
        </message>
        <message>
            <source>&amp;Top</source>
            <comment>3730</comment>
            <translation>&amp;In alto</translation>
        </message>
        <message>
            <source>&amp;Middle</source>
            <comment>3740</comment>
            <translation>Al c&amp;entro</translation>
        </message>
        <message>
            <source>&amp;Bottom</source>
            <comment>3750</comment>
            <translation>In &amp;basso</translation>
        </message>
        <message>
            <source>O&amp;k</source>
            <comment>3800</comment>
            <translation>O&amp;K</translation>
        </message>
        <message>
            <source>C&amp;ancel</source>
            <comment>3810</comment>
            <translation>&amp;Annulla</translation>
        </message>
        <message>
            <source>Instructions</source>
            <comment>4010</comment>
            <translation>Istruzioni</translation>
        </message>
        <message>
            <source>This wizard will help you to create a standard  CD Cover that you'll then be able to edit with the standard Tarvik interface.</source>
            <comment>4020</comment>
            <translation>Questa procedura guidata consente di creare una copertina standard per CD, che sarà poi possibile modificare con la normale interfaccia di Tarvik.</translation>
        </message>
        <message>
            <source>&lt; &amp;Back</source>
            <comment>4030</comment>
            <translation>&lt; &amp;Indietro</translation>
        </message>
        <message>
            <source>&amp;Next &gt;</source>
            <comment>4040</comment>
            <translation>&amp;Avanti &gt;</translation>
        </message>
        <message>
            <source>&amp;Cancel</source>
            <comment>4050</comment>
            <translation>A&amp;nnulla</translation>
        </message>
        <message>
            <source>&amp;Finish</source>
            <comment>4060</comment>
            <translation>&amp;Fine</translation>
        </message>
        <message>
            <source>Tarvik Wizard - CD Title, Author, Tracks (1/3)</source>
            <comment>4100</comment>
            <translation>Procedura guidata di Tarvik - Titolo, autore e brani del CD (1/3)</translation>
        </message>
        <message>
            <source>Please insert the CD title here:</source>
            <comment>4110</comment>
            <translation>Inserire qui il titolo del CD:</translation>
        </message>
        <message>
            <source>Please insert the CD author here:</source>
            <comment>4120</comment>
            <translation>Inserire qui l'autore del CD:</translation>
        </message>
        <message>
            <source>Don't display on the front cover</source>
            <comment>4125</comment>
            <translation>Non visualizzare sulla copertina anteriore</translation>
        </message>
        <message>
            <source>Please insert the CD tracks here: (one for each line)</source>
            <comment>4130</comment>
            <translation>Inserire qui i brani del CD: (uno per riga)</translation>
        </message>
        <message>
            <source>Get titles from CDPlayer DB or Edit the titles</source>
            <comment>4135</comment>
            <translation>Ottieni i titoli dal database di CDPlayer o modificali</translation>
        </message>
        <message>
            <source>Automatically number each track</source>
            <comment>4140</comment>
            <translation>Numera automaticamente ogni brano</translation>
        </message>
        <message>
            <source>Number format</source>
            <comment>4150</comment>
            <translation>Formato del numero</translation>
        </message>
        <message>
            <source>Ex: (</source>
            <comment>4160</comment>
            <translation>Es.: (</translation>
        </message>
        <message>
            <source>This is the title of the 1st track)</source>
            <comment>4170</comment>
            <translation>Questo è il titolo del primo brano)</translation>
        </message>
        <message>
            <source>Use 01,02,03... instead of 1,2,3</source>
            <comment>4175</comment>
            <translation>Usa 01,02,03... invece di 1,2,3</translation>
        </message>
        <message>
            <source>Automatically add the track time (Audio CD required)</source>
            <comment>4180</comment>
            <translation>Aggiungi automaticamente la durata dei brani (serve il CD audio)</translation>
        </message>
        <message>
            <source>CD Drive</source>
            <comment>4185</comment>
            <translation>Unità CD</translation>
        </message>
        <message>
            <source>Set font for the CD Title</source>
            <comment>4200</comment>
            <translation>Imposta il carattere del titolo del CD</translation>
        </message>
        <message>
            <source>Set font for the CD Author</source>
            <comment>4210</comment>
            <translation>Imposta il carattere dell'autore del CD</translation>
        </message>
        <message>
            <source>Set font for the CD Tracks</source>
            <comment>4220</comment>
            <translation>Imposta il carattere dei brani del CD</translation>
        </message>
        <message>
            <source>Choose the CD Drive with the Audio-CD in, if your PC has more than a single CD Drive</source>
            <comment>4235</comment>
            <translation>Scegliere l'unità CD che contiene il CD audio, se il PC ha più di un'unità CD</translation>
        </message>
        <message>
            <source>Tarvik Wizard - CD Info, Spines, Layout (2/3)</source>
            <comment>4300</comment>
            <translation>Procedura guidata di Tarvik - Informazioni, costine e disposizione (2/3)</translation>
        </message>
        <message>
            <source>CD spines and info</source>
            <comment>4310</comment>
            <translation>Costine e informazioni del CD</translation>
        </message>
        <message>
            <source>Please insert the text for the left spine here:</source>
            <comment>4320</comment>
            <translation>Inserire qui il testo per la costina sinistra:</translation>
        </message>
        <message>
            <source>Please insert the text for the right spine here:</source>
            <comment>4330</comment>
            <translation>Inserire qui il testo per la costina destra:</translation>
        </message>
        <message>
            <source>Please insert the information on the CD here:</source>
            <comment>4340</comment>
            <translation>Inserire qui le informazioni sul CD:</translation>
        </message>
        <message>
            <source> (copyright, year of release...)</source>
            <comment>4350</comment>
            <translation> (copyright, anno di pubblicazione...)</translation>
        </message>
        <message>
            <source>Put the Artist Name before the CD Title</source>
            <comment>4355</comment>
            <translation>Metti il nome dell'artista prima del titolo del CD</translation>
        </message>
        <message>
            <source>Layout</source>
            <comment>4360</comment>
            <translation>Disposizione</translation>
        </message>
        <message>
            <source>Place the tracks titles on</source>
            <comment>4370</comment>
            <translation>Colloca i titoli dei brani su</translation>
        </message>
        <message>
            <source>Place the CD information on</source>
            <comment>4380</comment>
            <translation>Colloca le informazioni del CD su</translation>
        </message>
        <message>
            <source>Inside cover</source>
            <comment>4390</comment>
            <translation>Copertina interna</translation>
        </message>
        <message>
            <source>Back cover</source>
            <comment>4400</comment>
            <translation>Copertina posteriore</translation>
        </message>
        <message>
            <source>Round label</source>
            <comment>4405</comment>
            <translation>Etichetta rotonda</translation>
        </message>
        <message>
            <source>Set font for the Left Spine</source>
            <comment>4410</comment>
            <translation>Imposta il carattere della costina sinistra</translation>
        </message>
        <message>
            <source>Set font for the Right Spine</source>
            <comment>4420</comment>
            <translation>Imposta il carattere della costina destra</translation>
        </message>
        <message>
            <source>Set font for the CD information</source>
            <comment>4430</comment>
            <translation>Imposta il carattere delle informazioni sul CD</translation>
        </message>
        <message>
            <source>Tarvik Wizard - Cover Images (3/3)</source>
            <comment>4500</comment>
            <translation>Procedura guidata di Tarvik - Immagini di copertina (3/3)</translation>
        </message>
        <message>
            <source>Images</source>
            <comment>4510</comment>
            <translation>Immagini</translation>
        </message>
        <message>
            <source>Insert a background picture for:</source>
            <comment>4520</comment>
            <translation>Inserire un'immagine di sfondo per:</translation>
        </message>
        <message>
            <source>the front cover</source>
            <comment>4530</comment>
            <translation>la copertina anteriore</translation>
        </message>
        <message>
            <source>the inside cover</source>
            <comment>4540</comment>
            <translation>la copertina interna</translation>
        </message>
        <message>
            <source>the back cover</source>
            <comment>4550</comment>
            <translation>la copertina posteriore</translation>
        </message>
        <message>
            <source>You must include the character '#' in your number format.</source>
            <comment>4560</comment>
            <translation>Il formato del numero deve contenere il carattere '#'.</translation>
        </message>
        <message>
            <source>The image selected could not be found!</source>
            <comment>4570</comment>
            <translation>Impossibile trovare l'immagine selezionata.</translation>
        </message>
        <message>
            <source>The Audio-CD is not present or is used by another application, in this case stop it and close the application.</source>
            <comment>4580</comment>
            <translation>Il CD audio non è presente o è usato da un'altra applicazione: in tal caso interromperne la riproduzione e chiudere l'applicazione.</translation>
        </message>
        <message>
            <source>An error occurred while trying to get tracks length</source>
            <comment>4590</comment>
            <translation>Si è verificato un errore durante la lettura della durata dei brani</translation>
        </message>
        <message>
            <source>A cover holds at most %1 texts; %2 lines of the wizard were left out.</source>
            <comment>4595</comment>
            <translation>Una copertina contiene al massimo %1 testi; %2 righe della procedura guidata sono state tralasciate.</translation>
        </message>
        <message>
            <source>About Tarvik</source>
            <comment>5500</comment>
            <translation>Informazioni su Tarvik</translation>
        </message>
        <message>
            <source>Version %1</source>
            <comment>5510</comment>
            <translation>Versione %1</translation>
        </message>
        <message>
            <source>CD jewel-case inlays and disc labels</source>
            <comment>5520</comment>
            <translation>Copertine per custodie di CD ed etichette per dischi</translation>
        </message>
        <message>
            <source>Please send comments, problems, bug reports, suggestions to: </source>
            <comment>5550</comment>
            <translation>Inviate commenti, problemi, segnalazioni di errori e suggerimenti a: </translation>
        </message>
        <message>
            <source>If your Tarvik version is older than four months please check my web site for an updated version.</source>
            <comment>5560</comment>
            <translation>Se la vostra versione di Tarvik ha più di quattro mesi, cercate una versione aggiornata sul mio sito web.</translation>
        </message>
        <message>
            <source>English Version</source>
            <comment>5570</comment>
            <translation>Versione italiana</translation>
        </message>
        <message>
            <source>Please wait...</source>
            <comment>5580</comment>
            <translation>Attendere prego...</translation>
        </message>
        <message>
            <source>Printing options</source>
            <comment>6000</comment>
            <translation>Opzioni di stampa</translation>
        </message>
        <message>
            <source>Print the front/inside and the back covers</source>
            <comment>6010</comment>
            <translation>Stampa le copertine anteriore/interna e la posteriore</translation>
        </message>
        <message>
            <source>Print the front/inside covers</source>
            <comment>6020</comment>
            <translation>Stampa le copertine anteriore/interna</translation>
        </message>
        <message>
            <source>Print the front cover</source>
            <comment>6030</comment>
            <translation>Stampa la copertina anteriore</translation>
        </message>
        <message>
            <source>Print the inside cover</source>
            <comment>6040</comment>
            <translation>Stampa la copertina interna</translation>
        </message>
        <message>
            <source>Print the back cover</source>
            <comment>6050</comment>
            <translation>Stampa la copertina posteriore</translation>
        </message>
        <message>
            <source>Print the front and the back cover</source>
            <comment>6055</comment>
            <translation>Stampa la copertina anteriore e la posteriore</translation>
        </message>
        <message>
            <source>Horizontal margin</source>
            <comment>6060</comment>
            <translation>Margine orizzontale</translation>
        </message>
        <message>
            <source>Vertical margin</source>
            <comment>6070</comment>
            <translation>Margine verticale</translation>
        </message>
        <message>
            <source>Copies</source>
            <comment>6080</comment>
            <translation>Copie</translation>
        </message>
        <message>
            <source>Printer &amp;Setup...</source>
            <comment>6090</comment>
            <translation>&amp;Imposta stampante...</translation>
        </message>
        <message>
            <source>&amp;Print</source>
            <comment>6100</comment>
            <translation>&amp;Stampa</translation>
        </message>
        <message>
            <source>&amp;Cancel</source>
            <comment>6110</comment>
            <translation>&amp;Annulla</translation>
        </message>
        <message>
            <source>cm</source>
            <comment>6120</comment>
            <translation>cm</translation>
        </message>
        <message>
            <source>inches</source>
            <comment>6130</comment>
            <translation>pollici</translation>
        </message>
        <message>
            <source>The current margin is too small for the selected printer, it will be set to the minimum margin available.</source>
            <comment>6140</comment>
            <translation>Il margine attuale è troppo piccolo per la stampante selezionata: verrà impostato al margine minimo disponibile.</translation>
        </message>
        <message>
            <source>Print single covers in &amp;portrait</source>
            <comment>6150</comment>
            <translation>Stampa le singole copertine in &amp;verticale</translation>
        </message>
        <message>
            <source>Print the &amp;separation lines</source>
            <comment>6160</comment>
            <translation>Stampa le &amp;linee di separazione</translation>
        </message>
        <message>
            <source>Print the c&amp;utting guides</source>
            <comment>6170</comment>
            <translation>Stampa i segni di &amp;taglio</translation>
        </message>
        <message>
            <source>Print the CD &amp;label...</source>
            <comment>6180</comment>
            <translation>Stampa l'&amp;etichetta del CD...</translation>
        </message>
        <message>
            <source>Pre&amp;view...</source>
            <comment>6185</comment>
            <translation>Ante&amp;prima...</translation>
        </message>
        <message>
            <source>Print a &amp;calibration sheet</source>
            <comment>6190</comment>
            <translation>Stampa un foglio di &amp;calibrazione</translation>
        </message>
        <message>
            <source>Printing in progress...</source>
            <comment>6500</comment>
            <translation>Stampa in corso...</translation>
        </message>
        <message>
            <source>&amp;Abort printing</source>
            <comment>6510</comment>
            <translation>&amp;Interrompi la stampa</translation>
        </message>
        <message>
            <source>Print the CD Label</source>
            <comment>6550</comment>
            <translation>Stampa l'etichetta del CD</translation>
        </message>
        <message>
            <source>Number of label in each page:</source>
            <comment>6560</comment>
            <translation>Numero di etichette per pagina:</translation>
        </message>
        <message>
            <source>Label 1</source>
            <comment>6570</comment>
            <translation>Etichetta 1</translation>
        </message>
        <message>
            <source>Label 2</source>
            <comment>6580</comment>
            <translation>Etichetta 2</translation>
        </message>
        <message>
            <source>Label 3</source>
            <comment>6590</comment>
            <translation>Etichetta 3</translation>
        </message>
        <message>
            <source>Print</source>
            <comment>6600</comment>
            <translation>Stampa</translation>
        </message>
        <message>
            <source>Print the &amp;border of the label</source>
            <comment>6610</comment>
            <translation>Stampa il &amp;bordo dell'etichetta</translation>
        </message>
        <message>
            <source>Label &amp;sheet:</source>
            <comment>6620</comment>
            <translation>&amp;Foglio di etichette:</translation>
        </message>
        <message>
            <source>Custom</source>
            <comment>6630</comment>
            <translation>Personalizzato</translation>
        </message>
        <message>
            <source>Labels of %1 with a hole of %2.</source>
            <comment>6640</comment>
            <translation>Etichette da %1 con foro da %2.</translation>
        </message>
        <message>
            <source>This cover's label of %1 is centred on them.</source>
            <comment>6650</comment>
            <translation>L'etichetta da %1 di questa copertina è centrata su di esse.</translation>
        </message>
        <message>
            <source>Calibration sheet</source>
            <comment>6700</comment>
            <translation>Foglio di calibrazione</translation>
        </message>
        <message>
            <source>Each cross is %1 cm from the nearest side and end of the sheet.</source>
            <comment>6710</comment>
            <translation>Ogni croce dista %1 cm dal lato e dall'estremità del foglio più vicini.</translation>
        </message>
        <message>
            <source>The rulers count centimetres from the left and from the top edge.</source>
            <comment>6720</comment>
            <translation>I righelli contano i centimetri dal bordo sinistro e dal bordo superiore.</translation>
        </message>
        <message>
            <source>Measure from the left edge to the upright line of the top-left cross.</source>
            <comment>6730</comment>
            <translation>Misurare dal bordo sinistro fino alla linea verticale della croce in alto a sinistra.</translation>
        </message>
        <message>
            <source>More than %1 cm: take the difference off the horizontal margins;</source>
            <comment>6740</comment>
            <translation>Se è più di %1 cm, sottrarre la differenza dai margini orizzontali;</translation>
        </message>
        <message>
            <source>less: add it. The same from the top edge for the vertical margins.</source>
            <comment>6750</comment>
            <translation>se è meno, aggiungerla. Allo stesso modo dal bordo superiore per i margini verticali.</translation>
        </message>
        <message>
            <source>&amp;Cancel</source>
            <comment>7050</comment>
            <translation>&amp;Annulla</translation>
        </message>
        <message>
            <source>Set Round Label</source>
            <comment>7100</comment>
            <translation>Imposta etichetta rotonda</translation>
        </message>
        <message>
            <source>Outer circle diameter</source>
            <comment>7110</comment>
            <translation>Diametro del cerchio esterno</translation>
        </message>
        <message>
            <source>Inner circle diameter</source>
            <comment>7120</comment>
            <translation>Diametro del cerchio interno</translation>
        </message>
        <message>
            <source>&amp;Reset</source>
            <comment>7130</comment>
            <translation>&amp;Ripristina</translation>
        </message>
        <message>
            <source>&amp;Ok</source>
            <comment>7140</comment>
            <translation>&amp;OK</translation>
        </message>
        <message>
            <source>Get titles from a CDs database</source>
            <comment>8000</comment>
            <translation>Ottieni i titoli da un database di CD</translation>
        </message>
        <message>
            <source>Artist:</source>
            <comment>8010</comment>
            <translation>Artista:</translation>
        </message>
        <message>
            <source>Album title:</source>
            <comment>8020</comment>
            <translation>Titolo dell'album:</translation>
        </message>
        <message>
            <source>Tracks:</source>
            <comment>8030</comment>
            <translation>Brani:</translation>
        </message>
        <message>
            <source>Tracks in the cover:</source>
            <comment>8040</comment>
            <translation>Brani nella copertina:</translation>
        </message>
        <message>
            <source>Nr.</source>
            <comment>8050</comment>
            <translation>N.</translation>
        </message>
        <message>
            <source>&amp;Select all</source>
            <comment>8060</comment>
            <translation>&amp;Seleziona tutto</translation>
        </message>
        <message>
            <source>&amp;Unselect all</source>
            <comment>8070</comment>
            <translation>&amp;Deseleziona tutto</translation>
        </message>
        <message>
            <source>Local copy of Internet CD Database (CDDB)</source>
            <comment>8077</comment>
            <translation>Copia locale del database di CD su Internet (CDDB)</translation>
        </message>
        <message>
            <source>Insert current Artist name and Album title too</source>
            <comment>8080</comment>
            <translation>Inserisci anche il nome dell'artista e il titolo dell'album correnti</translation>
        </message>
        <message>
            <source>Set &amp;location</source>
            <comment>8085</comment>
            <translation>Imposta &amp;percorso</translation>
        </message>
        <message>
            <source>Set the CDDB folder location (i.e. C:\CDDB)</source>
            <comment>8087</comment>
            <translation>Imposta il percorso della cartella CDDB (es. C:\CDDB)</translation>
        </message>
        <message>
            <source>&amp;Ok</source>
            <comment>8090</comment>
            <translation>&amp;OK</translation>
        </message>
        <message>
            <source>&amp;Cancel</source>
            <comment>8100</comment>
            <translation>&amp;Annulla</translation>
        </message>
        <message>
            <source>Get the CD Information accessing the FreeDB on the Internet</source>
            <comment>8105</comment>
            <translation>Ottieni le informazioni del CD dal database FreeDB su Internet</translation>
        </message>
        <message>
            <source>Remove current line</source>
            <comment>8110</comment>
            <translation>Rimuovi la riga corrente</translation>
        </message>
        <message>
            <source>Move selection up</source>
            <comment>8120</comment>
            <translation>Sposta in alto la selezione</translation>
        </message>
        <message>
            <source>Move selection down</source>
            <comment>8130</comment>
            <translation>Sposta in basso la selezione</translation>
        </message>
        <message>
            <source>Insert the selected tracks in the CD cover tracks</source>
            <comment>8140</comment>
            <translation>Inserisci i brani selezionati tra i brani della copertina</translation>
        </message>
        <message>
            <source>%1 files of the CDDB folder could not be read; they are not listed.</source>
            <comment>8150</comment>
            <translation>Impossibile leggere %1 file della cartella CDDB: non sono elencati.</translation>
        </message>
        <message>
            <source>Only the first %1 entries of the CDDB folder are listed.</source>
            <comment>8155</comment>
            <translation>Sono elencate solo le prime %1 voci della cartella CDDB.</translation>
        </message>
        <message>
            <source>The CD player database could not be read: %1</source>
            <comment>8160</comment>
            <translation>Impossibile leggere il database di CDPlayer: %1</translation>
        </message>
        <message>
            <source>Connect to the FreeDB Internet Database</source>
            <comment>9000</comment>
            <translation>Connessione al database Internet FreeDB</translation>
        </message>
        <message>
            <source>User e-mail address</source>
            <comment>9015</comment>
            <translation>Indirizzo e-mail dell'utente</translation>
        </message>
        <message>
            <source>Local copy of the FreeDB database</source>
            <comment>9020</comment>
            <translation>Copia locale del database FreeDB</translation>
        </message>
        <message>
            <source>&amp;Save a local copy of the CD information</source>
            <comment>9025</comment>
            <translation>&amp;Salva una copia locale delle informazioni del CD</translation>
        </message>
        <message>
            <source>FreeDB internet server</source>
            <comment>9030</comment>
            <translation>Server Internet FreeDB</translation>
        </message>
        <message>
            <source>&amp;Refresh list</source>
            <comment>9035</comment>
            <translation>A&amp;ggiorna elenco</translation>
        </message>
        <message>
            <source>CD/DVD drive where the Audio CD is inserted</source>
            <comment>9040</comment>
            <translation>Unità CD/DVD in cui è inserito il CD audio</translation>
        </message>
        <message>
            <source>&amp;Cancel</source>
            <comment>9045</comment>
            <translation>&amp;Annulla</translation>
        </message>
        <message>
            <source>&amp;Get the CD info</source>
            <comment>9050</comment>
            <translation>&amp;Ottieni le informazioni del CD</translation>
        </message>
        <message>
            <source>Disc image…</source>
            <comment>9055</comment>
            <translation>Immagine del disco…</translation>
        </message>
        <message>
            <source>Choose a disc image</source>
            <comment>9060</comment>
            <translation>Scegli un'immagine del disco</translation>
        </message>
        <message>
            <source>Cue sheets and toc files (*.cue *.toc)</source>
            <comment>9065</comment>
            <translation>Cue sheet e file toc (*.cue *.toc)</translation>
        </message>
        <message>
            <source>You've to insert a valid email address to use the freedb service!</source>
            <comment>9100</comment>
            <translation>Per usare il servizio freedb è necessario inserire un indirizzo e-mail valido!</translation>
        </message>
        <message>
            <source>The path inserted seems to be invalid!</source>
            <comment>9105</comment>
            <translation>Il percorso inserito sembra non valido!</translation>
        </message>
        <message>
            <source>You've to set a valid path to store the FreeDB information!</source>
            <comment>9110</comment>
            <translation>È necessario impostare un percorso valido in cui salvare le informazioni di FreeDB!</translation>
        </message>
        <message>
            <source>Error when trying to save information in the local copy of the FreeDB!</source>
            <comment>9115</comment>
            <translation>Errore durante il salvataggio delle informazioni nella copia locale di FreeDB!</translation>
        </message>
        <message>
            <source>Disc not found!</source>
            <comment>9120</comment>
            <translation>Disco non trovato!</translation>
        </message>
        <message>
            <source>The file %1 holds no disc that can be read.</source>
            <comment>9125</comment>
            <translation>Il file %1 non contiene alcun disco leggibile.</translation>
        </message>
        <message>
            <source>The picture "%1" could not be read.</source>
            <comment>9500</comment>
            <translation>Non è stato possibile leggere l'immagine "%1".</translation>
        </message>
        <message>
            <source>A cover holds at most %1 texts; this one cannot be added.</source>
            <comment>9505</comment>
            <translation>Una copertina contiene al massimo %1 testi; questo non può essere aggiunto.</translation>
        </message>
        <message>
            <source>The picture "%1" could not be read; nothing was inserted.</source>
            <comment>9510</comment>
            <translation>Non è stato possibile leggere l'immagine "%1"; non è stato inserito nulla.</translation>
        </message>
        <message>
            <source>A cover holds at most %1 pictures; "%2" cannot be added.</source>
            <comment>9515</comment>
            <translation>Una copertina contiene al massimo %1 immagini; "%2" non può essere aggiunta.</translation>
        </message>
        <message>
            <source>These pictures could not be read. They stay in the document as grey boxes and are saved as they were:
%1</source>
            <comment>9520</comment>
            <translation>Non è stato possibile leggere queste immagini. Restano nel documento come riquadri grigi e vengono salvate così com'erano:
%1</translation>
        </message>
        <message>
            <source>'%1' is not a valid integer value</source>
            <comment>9525</comment>
            <translation>'%1' non è un numero intero valido</translation>
        </message>
        <message>
            <source>Unknown error</source>
            <comment>9530</comment>
            <translation>Errore sconosciuto</translation>
        </message>
        <message>
            <source>All pictures (%1)</source>
            <comment>9535</comment>
            <translation>Tutte le immagini (%1)</translation>
        </message>
        <message>
            <source>%1 cannot be removed</source>
            <comment>9540</comment>
            <translation>Non è possibile rimuovere %1</translation>
        </message>
        <message>
            <source>“%1” is not a Tarvik document.</source>
            <comment>9600</comment>
            <translation>“%1” non è un documento di Tarvik.</translation>
        </message>
        <message>
            <source>The document could not be saved to “%1”: %2</source>
            <comment>9605</comment>
            <translation>Non è stato possibile salvare il documento in “%1”: %2</translation>
        </message>
        <message>
            <source>No file name</source>
            <comment>9610</comment>
            <translation>Nessun nome di file</translation>
        </message>
        <message>
            <source>A folder of that name exists</source>
            <comment>9615</comment>
            <translation>Esiste già una cartella con quel nome</translation>
        </message>
        <message>
            <source>The file is not a Tarvik document.</source>
            <comment>9620</comment>
            <translation>Il file non è un documento di Tarvik.</translation>
        </message>
        <message>
            <source>“%1” could not be read: %2</source>
            <comment>9625</comment>
            <translation>Non è stato possibile leggere “%1”: %2</translation>
        </message>
        <message>
            <source>It is not a regular file</source>
            <comment>9630</comment>
            <translation>Non è un file normale</translation>
        </message>
        <message>
            <source>The settings file "%1" cannot be used: %2. Tarvik goes on with its default settings, and changes to them will not be kept.</source>
            <comment>9700</comment>
            <translation>Il file delle impostazioni "%1" non può essere usato: %2. Tarvik continua con le impostazioni predefinite e le modifiche non verranno conservate.</translation>
        </message>
        <message>
            <source>it is a symbolic link to nothing</source>
            <comment>9705</comment>
            <translation>è un collegamento simbolico che non punta a nulla</translation>
        </message>
        <message>
            <source>it is a symbolic link to a file outside its folder</source>
            <comment>9710</comment>
            <translation>è un collegamento simbolico a un file fuori dalla sua cartella</translation>
        </message>
        <message>
            <source>it is larger than %1 bytes, far larger than any settings file</source>
            <comment>9715</comment>
            <translation>è più grande di %1 byte, molto più di qualsiasi file delle impostazioni</translation>
        </message>
        <message>
            <source>it is a folder</source>
            <comment>9720</comment>
            <translation>è una cartella</translation>
        </message>
        <message>
            <source>it is not a regular file (a device or a pipe)</source>
            <comment>9725</comment>
            <translation>non è un file normale (è un dispositivo o una pipe)</translation>
        </message>
        <message>
            <source>The settings file "%1" cannot be written: %2. Changes to the settings will not be kept.</source>
            <comment>9730</comment>
            <translation>Non è possibile scrivere il file delle impostazioni "%1": %2. Le modifiche alle impostazioni non verranno conservate.</translation>
        </message>
        <message>
            <source>the file cannot be written</source>
            <comment>9735</comment>
            <translation>non è possibile scrivere il file</translation>
        </message>
        <message>
            <source>its folder "%1" cannot be written</source>
            <comment>9740</comment>
            <translation>non è possibile scrivere nella sua cartella "%1"</translation>
        </message>
        <message>
            <source>Values in the settings file "%1" that could not be used were replaced:
%2</source>
            <comment>9745</comment>
            <translation>I valori del file delle impostazioni "%1" che non è stato possibile usare sono stati sostituiti:
%2</translation>
        </message>
        <message>
            <source>%1: its default is used</source>
            <comment>9750</comment>
            <translation>%1: si usa il valore predefinito</translation>
        </message>
        <message>
            <source>'%1' = %2 lies outside %3 to %4%5; %6%5 is used</source>
            <comment>9755</comment>
            <translation>'%1' = %2 è fuori dall'intervallo da %3 a %4%5; si usa %6%5</translation>
        </message>
        <message>
            <source>The FreeDB server did not answer within %1 seconds: timed out</source>
            <comment>9800</comment>
            <translation>Il server FreeDB non ha risposto entro %1 secondi: tempo scaduto</translation>
        </message>
        <message>
            <source>The exchange with the FreeDB server took longer than %1 seconds: timed out</source>
            <comment>9805</comment>
            <translation>Lo scambio con il server FreeDB è durato più di %1 secondi: tempo scaduto</translation>
        </message>
        <message>
            <source>Connecting to the FreeDB server %1:%2 timed out after %3 seconds</source>
            <comment>9810</comment>
            <translation>Tempo scaduto dopo %3 secondi durante la connessione al server FreeDB %1:%2</translation>
        </message>
        <message>
            <source>Not a valid disc: %1</source>
            <comment>9815</comment>
            <translation>Disco non valido: %1</translation>
        </message>
        <message>
            <source>The FreeDB server offered an invalid disc: %1 %2</source>
            <comment>9820</comment>
            <translation>Il server FreeDB ha proposto un disco non valido: %1 %2</translation>
        </message>
        <message>
            <source>The entry the FreeDB server sent is for the disc "%1", not for "%2" that was asked for; the local copy was not saved</source>
            <comment>9825</comment>
            <translation>La voce inviata dal server FreeDB è per il disco "%1", non per il disco "%2" richiesto; la copia locale non è stata salvata</translation>
        </message>
        <message>
            <source>The entry file %1 lies outside the local folder; the local copy was not saved</source>
            <comment>9830</comment>
            <translation>Il file della voce %1 si trova fuori dalla cartella locale; la copia locale non è stata salvata</translation>
        </message>
        <message>
            <source>%1; the local copy was not saved</source>
            <comment>9835</comment>
            <translation>%1; la copia locale non è stata salvata</translation>
        </message>
        <message>
            <source>The FreeDB server sent a reply line longer than %1 bytes: %2</source>
            <comment>9840</comment>
            <translation>Il server FreeDB ha inviato una riga di risposta più lunga di %1 byte: %2</translation>
        </message>
        <message>
            <source>The FreeDB server sent an invalid reply: %1</source>
            <comment>9845</comment>
            <translation>Il server FreeDB ha inviato una risposta non valida: %1</translation>
        </message>
        <message>
            <source>The FreeDB server sent a reply longer than %1 bytes: %2</source>
            <comment>9850</comment>
            <translation>Il server FreeDB ha inviato una risposta più lunga di %1 byte: %2</translation>
        </message>
        <message>
            <source>The category "%1" is not a valid folder name; the local copy was not saved</source>
            <comment>9855</comment>
            <translation>La categoria "%1" non è un nome di cartella valido; la copia locale non è stata salvata</translation>
        </message>
        <message>
            <source>The disc identifier "%1" is not valid; the local copy was not saved</source>
            <comment>9860</comment>
            <translation>L'identificativo del disco "%1" non è valido; la copia locale non è stata salvata</translation>
        </message>
        <message>
            <source>it is neither a CD drive nor a disc image file</source>
            <comment>9865</comment>
            <translation>non è né un'unità CD né un file immagine di disco</translation>
        </message>
        <message>
            <source>the disc image file is too large</source>
            <comment>9870</comment>
            <translation>il file immagine del disco è troppo grande</translation>
        </message>
        <message>
            <source>its data file %1 is not a regular file</source>
            <comment>9875</comment>
            <translation>il suo file di dati %1 non è un file normale</translation>
        </message>
        <message>
            <source>it has %1 tracks; a CD has 99 at most</source>
            <comment>9880</comment>
            <translation>ha %1 tracce; un CD ne ha al massimo 99</translation>
        </message>
        <message>
            <source>it has no tracks</source>
            <comment>9885</comment>
            <translation>non ha tracce</translation>
        </message>
        <message>
            <source>track %1 starts outside a CD</source>
            <comment>9890</comment>
            <translation>la traccia %1 inizia fuori da un CD</translation>
        </message>
        <message>
            <source>track %1 starts at %2, not after track %3 at %4</source>
            <comment>9895</comment>
            <translation>la traccia %1 inizia a %2, non dopo la traccia %3 a %4</translation>
        </message>
        <message>
            <source>the lead-out at %1 does not come after track %2 at %3</source>
            <comment>9900</comment>
            <translation>il lead-out a %1 non viene dopo la traccia %2 a %3</translation>
        </message>
        <message>
            <source>the lead-out at %1 lies beyond 99:59:74</source>
            <comment>9905</comment>
            <translation>il lead-out a %1 va oltre 99:59:74</translation>
        </message>
        <message>
            <source>"%1": %2 is no time on a CD (at most 99:59:74)</source>
            <comment>9910</comment>
            <translation>"%1": %2 non è un tempo valido su un CD (al massimo 99:59:74)</translation>
        </message>
        <message>
            <source>"%1": track %2 comes after track %3</source>
            <comment>9915</comment>
            <translation>"%1": la traccia %2 viene dopo la traccia %3</translation>
        </message>
        <message>
            <source>"%1": a CD has tracks 1 to 99 only</source>
            <comment>9920</comment>
            <translation>"%1": un CD ha solo le tracce da 1 a 99</translation>
        </message>
        <message>
            <source>Cannot write %1: %2</source>
            <comment>9925</comment>
            <translation>Impossibile scrivere %1: %2</translation>
        </message>
        <message>
            <source>the name leads outside the folder</source>
            <comment>9930</comment>
            <translation>il nome porta fuori dalla cartella</translation>
        </message>
        <message>
            <source>the folder %1 cannot be made</source>
            <comment>9935</comment>
            <translation>non è possibile creare la cartella %1</translation>
        </message>
        <message>
            <source>%1 is not a folder of its own (a symbolic link or a file)</source>
            <comment>9940</comment>
            <translation>%1 non è una cartella vera e propria (è un collegamento simbolico o un file)</translation>
        </message>
        <message>
            <source>it exists and is not a regular file (a symbolic link, folder or device)</source>
            <comment>9945</comment>
            <translation>esiste e non è un file normale (è un collegamento simbolico, una cartella o un dispositivo)</translation>
        </message>
        <message>
            <source>Cannot read %1: no such file</source>
            <comment>9955</comment>
            <translation>Impossibile leggere %1: il file non esiste</translation>
        </message>
        <message>
            <source>%1 is not a CDDB entry file</source>
            <comment>9960</comment>
            <translation>%1 non è un file di voce CDDB</translation>
        </message>
        <message>
            <source>%1 is too large to be a CDDB entry file</source>
            <comment>9965</comment>
            <translation>%1 è troppo grande per essere un file di voce CDDB</translation>
        </message>
        <message>
            <source>Cannot read %1: %2</source>
            <comment>9970</comment>
            <translation>Impossibile leggere %1: %2</translation>
        </message>
    </context>
</TS>
