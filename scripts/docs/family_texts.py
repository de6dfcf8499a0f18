"""What each family is, in our four languages: a neutral description and the
features a tender names (operation, humidity control, cleaning, use)."""

F = {}

F["En"] = {
    "Tavro 500": dict(
        text=("Resistance-heated steam humidifier for industrial and commercial applications, for duct installation "
              "or direct room humidification. Steam generator of stainless steel with heating elements, suitable "
              "for tap water, demineralised and softened water. Powder-coated steel cabinet with lockable door, "
              "separate electrical and hydraulic compartments, steam output continuously variable."),
        display="Keypad with plain-text display, operating and fault messages, service interval",
        control="Integrated humidity controller for a 0-10 V sensor signal; BMS interface and fault relay",
        cleaning="Self-cleaning system: lime is flushed out automatically, long maintenance intervals",
        application="Industry and commerce; duct and direct room humidification; up to 130 kg/h"),
    "Quenil 500": dict(
        text=("Electrode steam humidifier for industrial and commercial applications, for duct installation or "
              "direct room humidification. Replaceable steam cylinder, automatic adjustment to the water "
              "conductivity, steam output continuously variable. Powder-coated steel cabinet with lockable door."),
        display="Multicoloured LED display of operation, maintenance and faults",
        control="External humidity controller or BMS signal (on/off or 0-10 V)",
        cleaning="Replaceable steam cylinder; self-cleaning system optionally available",
        application="Industry and commerce; duct and direct room humidification; up to 130 kg/h"),
    "Sorbix": dict(
        text=("Compact electrode steam humidifier for commercial applications, for duct installation or direct "
              "room humidification. Replaceable steam cylinder, automatic adjustment to the water conductivity, "
              "economical in purchase and operation."),
        display="Multicoloured LED display of operation, maintenance and faults",
        control="External humidity controller or BMS signal (on/off or 0-10 V)",
        cleaning="Replaceable steam cylinder; self-cleaning system optionally available",
        application="Commerce and offices; duct and direct room humidification; up to 65 kg/h"),
    "Dremon 500": dict(
        text=("Small steam humidifier for direct room humidification in residential and commercial rooms. "
              "Steam is blown into the room by the built-in fan unit; quiet operation, wall mounting."),
        display="Multicoloured LED display of operation, maintenance and faults",
        control="External room humidistat or humidity controller",
        cleaning="Replaceable steam cylinder",
        application="Homes, offices, shops; direct room humidification; up to 3 kg/h"),
    "Falcy 500": dict(
        text=("Small steam humidifier for duct installation in residential and commercial ventilation systems. "
              "Compact wall-mounted cabinet, steam fed into the supply air duct through a distribution pipe."),
        display="Multicoloured LED display of operation, maintenance and faults",
        control="External humidity controller or BMS signal",
        cleaning="Replaceable steam cylinder",
        application="Homes, offices, shops; duct application; up to 3 kg/h"),
    "Oskel": dict(
        text=("Steam humidifier for residential ventilation and low-energy houses, for installation in the supply "
              "air duct of the ventilation unit. Low power demand, hygienic steam without aerosols."),
        display="Keypad with display",
        control="Integrated humidity controller with supply-air humidity limit",
        cleaning="Replaceable steam cylinder",
        application="Homes and low-energy houses; duct application; up to 2 kg/h"),
}

F["De"] = {
    "Tavro 500": dict(
        text=("Widerstandsbeheizter Dampfluftbefeuchter f\u00fcr Industrie und Gewerbe, zum Einbau in L\u00fcftungskan\u00e4le "
              "oder zur Direktraumbefeuchtung. Dampferzeuger aus Edelstahl mit Heizelementen, geeignet f\u00fcr "
              "Trinkwasser, vollentsalztes und enth\u00e4rtetes Wasser. Pulverbeschichtetes Stahlgeh\u00e4use mit "
              "abschlie\u00dfbarer T\u00fcr, getrennte Elektro- und Hydraulikteile, Dampfleistung stufenlos regelbar."),
        display="Tastatur mit Klartextanzeige, Betriebs- und St\u00f6rmeldungen, Wartungsintervall",
        control="Integrierter Feuchteregler f\u00fcr F\u00fchlersignal 0-10 V; GLT-Schnittstelle und St\u00f6rmelderelais",
        cleaning="Selbstreinigungssystem: Kalk wird automatisch ausgesp\u00fclt, lange Wartungsintervalle",
        application="Industrie und Gewerbe; Kanal- und Direktraumbefeuchtung; bis 130 kg/h"),
    "Quenil 500": dict(
        text=("Elektroden-Dampfluftbefeuchter f\u00fcr Industrie und Gewerbe, zum Einbau in L\u00fcftungskan\u00e4le oder zur "
              "Direktraumbefeuchtung. Auswechselbarer Dampfzylinder, automatische Anpassung an die "
              "Wasserleitf\u00e4higkeit, Dampfleistung stufenlos regelbar. Pulverbeschichtetes Stahlgeh\u00e4use mit "
              "abschlie\u00dfbarer T\u00fcr."),
        display="Mehrfarbige LED-Anzeige f\u00fcr Betrieb, Wartung und St\u00f6rung",
        control="Externer Feuchteregler oder GLT-Signal (Ein/Aus oder 0-10 V)",
        cleaning="Auswechselbarer Dampfzylinder; Selbstreinigungssystem optional erh\u00e4ltlich",
        application="Industrie und Gewerbe; Kanal- und Direktraumbefeuchtung; bis 130 kg/h"),
    "Sorbix": dict(
        text=("Kompakter Elektroden-Dampfluftbefeuchter f\u00fcr gewerbliche Anwendungen, zum Einbau in "
              "L\u00fcftungskan\u00e4le oder zur Direktraumbefeuchtung. Auswechselbarer Dampfzylinder, automatische "
              "Anpassung an die Wasserleitf\u00e4higkeit, wirtschaftlich in Anschaffung und Betrieb."),
        display="Mehrfarbige LED-Anzeige f\u00fcr Betrieb, Wartung und St\u00f6rung",
        control="Externer Feuchteregler oder GLT-Signal (Ein/Aus oder 0-10 V)",
        cleaning="Auswechselbarer Dampfzylinder; Selbstreinigungssystem optional erh\u00e4ltlich",
        application="Gewerbe und B\u00fcro; Kanal- und Direktraumbefeuchtung; bis 65 kg/h"),
    "Dremon 500": dict(
        text=("Kleiner Dampfluftbefeuchter zur Direktraumbefeuchtung in Wohn- und Gewerber\u00e4umen. Der Dampf wird "
              "durch das eingebaute Gebl\u00e4se in den Raum ausgeblasen; leiser Betrieb, Wandmontage."),
        display="Mehrfarbige LED-Anzeige f\u00fcr Betrieb, Wartung und St\u00f6rung",
        control="Externer Raumhygrostat oder Feuchteregler",
        cleaning="Auswechselbarer Dampfzylinder",
        application="Wohnung, B\u00fcro, Laden; Direktraumbefeuchtung; bis 3 kg/h"),
    "Falcy 500": dict(
        text=("Kleiner Dampfluftbefeuchter zum Kanaleinbau in L\u00fcftungsanlagen von Wohnungen und Gewerbe. "
              "Kompaktes Wandgeh\u00e4use, Dampfeinleitung \u00fcber einen Dampfverteiler in den Zuluftkanal."),
        display="Mehrfarbige LED-Anzeige f\u00fcr Betrieb, Wartung und St\u00f6rung",
        control="Externer Feuchteregler oder GLT-Signal",
        cleaning="Auswechselbarer Dampfzylinder",
        application="Wohnung, B\u00fcro, Laden; Kanalbefeuchtung; bis 3 kg/h"),
    "Oskel": dict(
        text=("Dampfluftbefeuchter f\u00fcr die Wohnungsl\u00fcftung und Niedrigenergieh\u00e4user, zum Einbau in den "
              "Zuluftkanal des L\u00fcftungsger\u00e4ts. Geringer Energiebedarf, hygienischer Dampf ohne Aerosole."),
        display="Tastatur mit Anzeige",
        control="Integrierter Feuchteregler mit Zuluft-Feuchtebegrenzung",
        cleaning="Auswechselbarer Dampfzylinder",
        application="Wohnungen und Niedrigenergieh\u00e4user; Kanalbefeuchtung; bis 2 kg/h"),
}

F["Fr"] = {
    "Tavro 500": dict(
        text=("Humidificateur \u00e0 vapeur \u00e0 r\u00e9sistances pour applications industrielles et tertiaires, en gaine "
              "ou en ambiance directe. G\u00e9n\u00e9rateur de vapeur en acier inoxydable \u00e0 r\u00e9sistances "
              "chauffantes, adapt\u00e9 \u00e0 l\u2019eau de r\u00e9seau, d\u00e9min\u00e9ralis\u00e9e ou adoucie. Armoire en t\u00f4le "
              "d\u2019acier laqu\u00e9e avec porte verrouillable, parties \u00e9lectrique et hydraulique s\u00e9par\u00e9es, "
              "production de vapeur modulante."),
        display="Clavier avec afficheur en texte clair, messages de fonctionnement et de d\u00e9faut, intervalle d\u2019entretien",
        control="R\u00e9gulateur d\u2019humidit\u00e9 int\u00e9gr\u00e9 pour signal de sonde 0-10 V ; interface GTB et relais de d\u00e9faut",
        cleaning="Syst\u00e8me autonettoyant : le calcaire est \u00e9vacu\u00e9 automatiquement, longs intervalles d\u2019entretien",
        application="Industrie et tertiaire ; en gaine et en ambiance ; jusqu\u2019\u00e0 130 kg/h"),
    "Quenil 500": dict(
        text=("Humidificateur \u00e0 vapeur \u00e0 \u00e9lectrodes pour applications industrielles et tertiaires, en gaine ou "
              "en ambiance directe. Cylindre vapeur rempla\u00e7able, adaptation automatique \u00e0 la conductivit\u00e9 de "
              "l\u2019eau, production de vapeur modulante. Armoire en t\u00f4le d\u2019acier laqu\u00e9e avec porte verrouillable."),
        display="Affichage LED multicolore du fonctionnement, de l\u2019entretien et des d\u00e9fauts",
        control="R\u00e9gulateur d\u2019humidit\u00e9 externe ou signal GTB (tout ou rien ou 0-10 V)",
        cleaning="Cylindre vapeur rempla\u00e7able ; syst\u00e8me autonettoyant en option",
        application="Industrie et tertiaire ; en gaine et en ambiance ; jusqu\u2019\u00e0 130 kg/h"),
    "Sorbix": dict(
        text=("Humidificateur \u00e0 vapeur \u00e0 \u00e9lectrodes compact pour le tertiaire, en gaine ou en ambiance "
              "directe. Cylindre vapeur rempla\u00e7able, adaptation automatique \u00e0 la conductivit\u00e9 de l\u2019eau, "
              "\u00e9conomique \u00e0 l\u2019achat et \u00e0 l\u2019usage."),
        display="Affichage LED multicolore du fonctionnement, de l\u2019entretien et des d\u00e9fauts",
        control="R\u00e9gulateur d\u2019humidit\u00e9 externe ou signal GTB (tout ou rien ou 0-10 V)",
        cleaning="Cylindre vapeur rempla\u00e7able ; syst\u00e8me autonettoyant en option",
        application="Tertiaire et bureaux ; en gaine et en ambiance ; jusqu\u2019\u00e0 65 kg/h"),
    "Dremon 500": dict(
        text=("Petit humidificateur \u00e0 vapeur pour l\u2019humidification directe d\u2019ambiance dans les locaux "
              "d\u2019habitation et tertiaires. La vapeur est diffus\u00e9e dans la pi\u00e8ce par le ventilateur int\u00e9gr\u00e9 ; "
              "fonctionnement silencieux, montage mural."),
        display="Affichage LED multicolore du fonctionnement, de l\u2019entretien et des d\u00e9fauts",
        control="Hygrostat d\u2019ambiance ou r\u00e9gulateur d\u2019humidit\u00e9 externe",
        cleaning="Cylindre vapeur rempla\u00e7able",
        application="Logements, bureaux, commerces ; humidification d\u2019ambiance ; jusqu\u2019\u00e0 3 kg/h"),
    "Falcy 500": dict(
        text=("Petit humidificateur \u00e0 vapeur \u00e0 monter sur gaine dans les installations de ventilation de "
              "logements et de locaux tertiaires. Armoire murale compacte, injection de la vapeur dans la gaine de "
              "soufflage par une rampe de distribution."),
        display="Affichage LED multicolore du fonctionnement, de l\u2019entretien et des d\u00e9fauts",
        control="R\u00e9gulateur d\u2019humidit\u00e9 externe ou signal GTB",
        cleaning="Cylindre vapeur rempla\u00e7able",
        application="Logements, bureaux, commerces ; en gaine ; jusqu\u2019\u00e0 3 kg/h"),
    "Oskel": dict(
        text=("Humidificateur \u00e0 vapeur pour la ventilation des logements et les maisons basse consommation, \u00e0 "
              "installer dans la gaine de soufflage de la centrale de ventilation. Faible consommation, vapeur "
              "hygi\u00e9nique sans a\u00e9rosols."),
        display="Clavier avec afficheur",
        control="R\u00e9gulateur d\u2019humidit\u00e9 int\u00e9gr\u00e9 avec limitation de l\u2019humidit\u00e9 au soufflage",
        cleaning="Cylindre vapeur rempla\u00e7able",
        application="Logements et maisons basse consommation ; en gaine ; jusqu\u2019\u00e0 2 kg/h"),
}

F["Po"] = {
    "Tavro 500": dict(
        text=("Nawil\u017cacz parowy z grza\u0142kami rezystancyjnymi do zastosowa\u0144 przemys\u0142owych i komercyjnych, do "
              "monta\u017cu w kanale lub do bezpo\u015bredniego nawil\u017cania pomieszcze\u0144. Wytwornica pary ze stali "
              "nierdzewnej z grza\u0142kami, do wody wodoci\u0105gowej, demineralizowanej i zmi\u0119kczonej. Obudowa z "
              "blachy stalowej malowanej proszkowo, z zamykanymi drzwiami, oddzielone cz\u0119\u015bci elektryczna i "
              "hydrauliczna, p\u0142ynna regulacja wydajno\u015bci pary."),
        display="Klawiatura z wy\u015bwietlaczem tekstowym, komunikaty pracy i awarii, interwa\u0142 serwisowy",
        control="Zintegrowany regulator wilgotno\u015bci dla sygna\u0142u czujnika 0-10 V; interfejs BMS i przeka\u017anik awarii",
        cleaning="System samoczyszcz\u0105cy: kamie\u0144 jest automatycznie wyp\u0142ukiwany, d\u0142ugie okresy mi\u0119dzy przegl\u0105dami",
        application="Przemys\u0142 i obiekty komercyjne; nawil\u017canie kana\u0142owe i bezpo\u015brednie; do 130 kg/h"),
    "Quenil 500": dict(
        text=("Elektrodowy nawil\u017cacz parowy do zastosowa\u0144 przemys\u0142owych i komercyjnych, do monta\u017cu w "
              "kanale lub do bezpo\u015bredniego nawil\u017cania pomieszcze\u0144. Wymienny cylinder parowy, automatyczne "
              "dopasowanie do przewodno\u015bci wody, p\u0142ynna regulacja wydajno\u015bci pary. Obudowa z blachy "
              "stalowej malowanej proszkowo, z zamykanymi drzwiami."),
        display="Wielokolorowy wy\u015bwietlacz LED stanu pracy, serwisu i awarii",
        control="Zewn\u0119trzny regulator wilgotno\u015bci lub sygna\u0142 BMS (za\u0142./wy\u0142. lub 0-10 V)",
        cleaning="Wymienny cylinder parowy; system samoczyszcz\u0105cy opcjonalnie",
        application="Przemys\u0142 i obiekty komercyjne; nawil\u017canie kana\u0142owe i bezpo\u015brednie; do 130 kg/h"),
    "Sorbix": dict(
        text=("Kompaktowy elektrodowy nawil\u017cacz parowy do obiekt\u00f3w komercyjnych, do monta\u017cu w kanale lub do "
              "bezpo\u015bredniego nawil\u017cania pomieszcze\u0144. Wymienny cylinder parowy, automatyczne dopasowanie "
              "do przewodno\u015bci wody, ekonomiczny w zakupie i eksploatacji."),
        display="Wielokolorowy wy\u015bwietlacz LED stanu pracy, serwisu i awarii",
        control="Zewn\u0119trzny regulator wilgotno\u015bci lub sygna\u0142 BMS (za\u0142./wy\u0142. lub 0-10 V)",
        cleaning="Wymienny cylinder parowy; system samoczyszcz\u0105cy opcjonalnie",
        application="Obiekty komercyjne i biurowe; nawil\u017canie kana\u0142owe i bezpo\u015brednie; do 65 kg/h"),
    "Dremon 500": dict(
        text=("Ma\u0142y nawil\u017cacz parowy do bezpo\u015bredniego nawil\u017cania pomieszcze\u0144 mieszkalnych i "
              "komercyjnych. Para jest wdmuchiwana do pomieszczenia przez wbudowany wentylator; cicha praca, "
              "monta\u017c naścienny.".replace("naścienny", "na\u015bcienny")),
        display="Wielokolorowy wy\u015bwietlacz LED stanu pracy, serwisu i awarii",
        control="Zewn\u0119trzny higrostat pomieszczeniowy lub regulator wilgotno\u015bci",
        cleaning="Wymienny cylinder parowy",
        application="Mieszkania, biura, sklepy; nawil\u017canie bezpo\u015brednie; do 3 kg/h"),
    "Falcy 500": dict(
        text=("Ma\u0142y nawil\u017cacz parowy do monta\u017cu kana\u0142owego w instalacjach wentylacji mieszka\u0144 i obiekt\u00f3w "
              "komercyjnych. Kompaktowa obudowa naścienna, para wprowadzana do kana\u0142u nawiewnego przez lanc\u0119 "
              "parow\u0105.".replace("naścienna", "na\u015bcienna")),
        display="Wielokolorowy wy\u015bwietlacz LED stanu pracy, serwisu i awarii",
        control="Zewn\u0119trzny regulator wilgotno\u015bci lub sygna\u0142 BMS",
        cleaning="Wymienny cylinder parowy",
        application="Mieszkania, biura, sklepy; nawil\u017canie kana\u0142owe; do 3 kg/h"),
    "Oskel": dict(
        text=("Nawil\u017cacz parowy do wentylacji mieszka\u0144 i dom\u00f3w energooszcz\u0119dnych, do monta\u017cu w kanale "
              "nawiewnym centrali wentylacyjnej. Niskie zapotrzebowanie na energi\u0119, higieniczna para bez aerozoli."),
        display="Klawiatura z wy\u015bwietlaczem",
        control="Zintegrowany regulator wilgotno\u015bci z ograniczeniem wilgotno\u015bci nawiewu",
        cleaning="Wymienny cylinder parowy",
        application="Mieszkania i domy energooszcz\u0119dne; nawil\u017canie kana\u0142owe; do 2 kg/h"),
}
