"""The information text on the self-cleaning steam cylinder, in our four languages.

Captions the main window shows (the family page's tab, the self-cleaning row,
the "optionally available" legend) are quoted from the language tables, so the
text always names them as the program does.
"""

EN = {
    "title": "The self-cleaning steam cylinder",
    "subtitle": "How Veltrann steam humidifiers keep their cylinder free of scale",
    "intro": [
        "Every steam humidifier turns water into steam. The minerals dissolved in the water \u2013 mostly "
        "calcium and magnesium compounds \u2013 do not evaporate with it. They stay behind in the cylinder "
        "and form scale. In a conventional unit this scale builds up until the cylinder has to be replaced "
        "or laboriously descaled by hand.",
        "The self-cleaning steam cylinder deals with scale where it forms. Its stainless-steel cylinder is "
        "built so that the scale breaks off the heating elements, sinks into a collector outside the heated "
        "zone and leaves the cylinder with the drain water. The cylinder itself is not a consumable: it "
        "stays in the unit for the unit's whole life.",
    ],
    "figure": "Figure 1: Cut-away view of the self-cleaning steam cylinder",
    "legend": [
        "Steam outlet to the steam hose",
        "Heating elements",
        "Flakes of scale breaking off the elements",
        "Scale collector below the heated zone",
        "Blow-down pump",
        "Fill valve (water inlet)",
        "Level sensor",
        "Steam distributor in the air duct",
    ],
    "how": "How it works",
    "steps": [
        "The fill valve (6) lets water in until the level sensor (7) reports the operating level. The "
        "controller then switches the heating elements (2) on.",
        "The water boils; the steam leaves the cylinder through the steam outlet (1) and flows to the steam "
        "distributor (8) in the duct.",
        "As the water evaporates, scale settles on the heating elements. Each time the elements heat up and "
        "cool down, their surface expands and contracts a little more than the brittle scale can follow: "
        "the scale cracks and falls off in flakes (3).",
        "The flakes sink into the scale collector (4). Below the heated zone the water is calm, so they stay "
        "there instead of being stirred up again, and they do not hinder the heat transfer of the elements.",
        "At intervals that the controller adapts to the steam output and the water quality, the blow-down "
        "pump (5) drains part of the water. This keeps the concentration of dissolved minerals low and "
        "flushes fine sludge out of the cylinder. Fresh water flows in through the fill valve.",
    ],
    "savings": "What it saves in maintenance",
    "savingsText": "Because the scale leaves the heated zone all the time, the heating elements stay clean and "
    "the steam output stays constant from one service to the next. Maintenance comes down to emptying the "
    "scale collector and checking the seals at long intervals; no cylinder has to be bought, stored or "
    "disposed of.",
    "table": [
        ("", "Conventional disposable cylinder", "Self-cleaning steam cylinder"),
        ("Cylinder", "Replaced once it is scaled up", "Remains in the unit"),
        ("Service work", "Cylinder change, with hard water often several times a year",
         "Emptying the scale collector, typically once or twice a year"),
        ("Spare parts", "Replacement cylinders kept in stock", "Seals only"),
        ("Steam output", "Falls as the scale builds up", "Stays constant"),
        ("Downtime", "At every cylinder change", "Short, at the scheduled service"),
    ],
    "tableNote": "The intervals depend on the water hardness and the operating hours; the controller reports "
    "when a service is due.",
    "know": "Good to know",
    "points": [
        "The self-cleaning steam cylinder runs on ordinary drinking water. Partially softened water extends "
        "the service intervals further; fully demineralised water needs no self-cleaning at all.",
        "The drain water is cooled with fresh water before it leaves the unit, so it can go into the "
        "building's normal drainage.",
        "In the family comparison on the page \u201c{tab}\u201d, the families with a self-cleaning steam "
        "cylinder are marked in the row \u201c{row}\u201d; the mark \u201c{option}\u201d means the cylinder "
        "can be ordered as an option.",
    ],
}

DE = {
    "title": "Der selbstreinigende Dampfzylinder",
    "subtitle": "Wie Veltrann-Dampfluftbefeuchter ihren Zylinder frei von Kalk halten",
    "intro": [
        "Jeder Dampfluftbefeuchter verwandelt Wasser in Dampf. Die im Wasser gel\u00f6sten Mineralien \u2013 "
        "vor allem Calcium- und Magnesiumverbindungen \u2013 verdampfen dabei nicht mit. Sie bleiben im "
        "Zylinder zur\u00fcck und bilden Kalk. In einem herk\u00f6mmlichen Ger\u00e4t w\u00e4chst diese "
        "Kalkschicht, bis der Zylinder ersetzt oder m\u00fchsam von Hand entkalkt werden muss.",
        "Der selbstreinigende Dampfzylinder begegnet dem Kalk dort, wo er entsteht. Sein Zylinder aus "
        "Edelstahl ist so gebaut, dass der Kalk von den Heizelementen abplatzt, in einen Kalksammler "
        "au\u00dferhalb der beheizten Zone sinkt und mit dem Abschl\u00e4mmwasser den Zylinder verl\u00e4sst. "
        "Der Zylinder selbst ist kein Verschlei\u00dfteil: Er bleibt w\u00e4hrend der gesamten Lebensdauer "
        "im Ger\u00e4t.",
    ],
    "figure": "Bild 1: Schnittbild des selbstreinigenden Dampfzylinders",
    "legend": [
        "Dampfaustritt zum Dampfschlauch",
        "Heizelemente",
        "Kalkpl\u00e4ttchen, die von den Heizelementen abplatzen",
        "Kalksammler unterhalb der beheizten Zone",
        "Abschl\u00e4mmpumpe",
        "F\u00fcllventil (Wasserzulauf)",
        "Niveausensor",
        "Dampfverteiler im Luftkanal",
    ],
    "how": "So funktioniert es",
    "steps": [
        "Das F\u00fcllventil (6) l\u00e4sst Wasser ein, bis der Niveausensor (7) den Betriebswasserstand "
        "meldet. Dann schaltet die Steuerung die Heizelemente (2) ein.",
        "Das Wasser siedet; der Dampf verl\u00e4sst den Zylinder durch den Dampfaustritt (1) und str\u00f6mt "
        "zum Dampfverteiler (8) im Kanal.",
        "Beim Verdampfen setzt sich Kalk auf den Heizelementen ab. Bei jedem Aufheizen und Abk\u00fchlen "
        "dehnt sich ihre Oberfl\u00e4che etwas st\u00e4rker aus und zieht sich st\u00e4rker zusammen, als "
        "der spr\u00f6de Kalk folgen kann: Der Kalk rei\u00dft und platzt in Pl\u00e4ttchen ab (3).",
        "Die Pl\u00e4ttchen sinken in den Kalksammler (4). Unterhalb der beheizten Zone ist das Wasser "
        "ruhig; sie bleiben dort liegen, statt wieder aufgewirbelt zu werden, und behindern die "
        "W\u00e4rme\u00fcbertragung der Heizelemente nicht.",
        "In Abst\u00e4nden, die die Steuerung der Dampfleistung und der Wasserqualit\u00e4t anpasst, pumpt "
        "die Abschl\u00e4mmpumpe (5) einen Teil des Wassers ab. So bleibt die Konzentration der gel\u00f6sten "
        "Mineralien niedrig, und feiner Schlamm wird aus dem Zylinder gesp\u00fclt. \u00dcber das "
        "F\u00fcllventil flie\u00dft Frischwasser nach.",
    ],
    "savings": "Was er bei der Wartung spart",
    "savingsText": "Weil der Kalk die beheizte Zone laufend verl\u00e4sst, bleiben die Heizelemente sauber, "
    "und die Dampfleistung bleibt von einer Wartung zur n\u00e4chsten konstant. Die Wartung beschr\u00e4nkt "
    "sich darauf, in gro\u00dfen Abst\u00e4nden den Kalksammler zu leeren und die Dichtungen zu pr\u00fcfen; "
    "kein Zylinder muss gekauft, gelagert oder entsorgt werden.",
    "table": [
        ("", "Herk\u00f6mmlicher Wegwerfzylinder", "Selbstreinigender Dampfzylinder"),
        ("Zylinder", "Wird ersetzt, sobald er verkalkt ist", "Bleibt im Ger\u00e4t"),
        ("Wartungsarbeit", "Zylinderwechsel, bei hartem Wasser oft mehrmals im Jahr",
         "Kalksammler leeren, in der Regel ein- bis zweimal im Jahr"),
        ("Ersatzteile", "Ersatzzylinder auf Lager", "Nur Dichtungen"),
        ("Dampfleistung", "Sinkt mit zunehmender Verkalkung", "Bleibt konstant"),
        ("Stillstand", "Bei jedem Zylinderwechsel", "Kurz, bei der geplanten Wartung"),
    ],
    "tableNote": "Die Wartungsabst\u00e4nde h\u00e4ngen von der Wasserh\u00e4rte und den Betriebsstunden ab; "
    "die Steuerung meldet, wenn eine Wartung f\u00e4llig ist.",
    "know": "Gut zu wissen",
    "points": [
        "Der selbstreinigende Dampfzylinder arbeitet mit normalem Trinkwasser. Teilenth\u00e4rtetes Wasser "
        "verl\u00e4ngert die Wartungsabst\u00e4nde weiter; vollentsalztes Wasser braucht gar keine "
        "Selbstreinigung.",
        "Das Abschl\u00e4mmwasser wird mit Frischwasser gek\u00fchlt, bevor es das Ger\u00e4t verl\u00e4sst, "
        "und kann deshalb in die normale Geb\u00e4udeentw\u00e4sserung geleitet werden.",
        "Im Ger\u00e4tevergleich auf der Seite \u201e{tab}\u201c sind die Baureihen mit selbstreinigendem "
        "Dampfzylinder in der Zeile \u201e{row}\u201c markiert; die Markierung \u201e{option}\u201c "
        "bedeutet, dass der Zylinder als Option bestellt werden kann.",
    ],
}

FR = {
    "title": "Le cylindre vapeur autonettoyant",
    "subtitle": "Comment les humidificateurs \u00e0 vapeur Veltrann gardent leur cylindre exempt de tartre",
    "intro": [
        "Tout humidificateur \u00e0 vapeur transforme de l'eau en vapeur. Les min\u00e9raux dissous dans "
        "l'eau \u2013 principalement des compos\u00e9s de calcium et de magn\u00e9sium \u2013 ne "
        "s'\u00e9vaporent pas avec elle. Ils restent dans le cylindre et forment du tartre. Dans un appareil "
        "classique, ce tartre s'accumule jusqu'\u00e0 ce que le cylindre doive \u00eatre remplac\u00e9 ou "
        "d\u00e9tartr\u00e9 \u00e0 la main, au prix d'un travail fastidieux.",
        "Le cylindre vapeur autonettoyant traite le tartre l\u00e0 o\u00f9 il se forme. Son cylindre en "
        "acier inoxydable est con\u00e7u pour que le tartre se d\u00e9tache des \u00e9l\u00e9ments "
        "chauffants, tombe dans un collecteur situ\u00e9 hors de la zone chauff\u00e9e et quitte le "
        "cylindre avec l'eau de d\u00e9concentration. Le cylindre lui-m\u00eame n'est pas un consommable : "
        "il reste dans l'appareil pendant toute la dur\u00e9e de vie de celui-ci.",
    ],
    "figure": "Figure 1 : vue en coupe du cylindre vapeur autonettoyant",
    "legend": [
        "Sortie de vapeur vers le flexible vapeur",
        "\u00c9l\u00e9ments chauffants",
        "\u00c9cailles de tartre se d\u00e9tachant des \u00e9l\u00e9ments",
        "Collecteur de tartre sous la zone chauff\u00e9e",
        "Pompe de d\u00e9concentration",
        "\u00c9lectrovanne de remplissage (arriv\u00e9e d'eau)",
        "Capteur de niveau",
        "Rampe de distribution vapeur dans la gaine d'air",
    ],
    "how": "Fonctionnement",
    "steps": [
        "L'\u00e9lectrovanne de remplissage (6) admet de l'eau jusqu'\u00e0 ce que le capteur de niveau (7) "
        "signale le niveau de service. La r\u00e9gulation enclenche alors les \u00e9l\u00e9ments "
        "chauffants (2).",
        "L'eau entre en \u00e9bullition ; la vapeur quitte le cylindre par la sortie de vapeur (1) et "
        "rejoint la rampe de distribution (8) dans la gaine.",
        "Au fil de l'\u00e9vaporation, du tartre se d\u00e9pose sur les \u00e9l\u00e9ments chauffants. "
        "\u00c0 chaque mont\u00e9e et descente en temp\u00e9rature, leur surface se dilate et se contracte "
        "un peu plus que le tartre, cassant, ne peut le suivre : le tartre se fissure et se d\u00e9tache "
        "en \u00e9cailles (3).",
        "Les \u00e9cailles tombent dans le collecteur de tartre (4). Sous la zone chauff\u00e9e, l'eau est "
        "calme : elles y restent au lieu d'\u00eatre remises en suspension et ne g\u00eanent pas le "
        "transfert de chaleur des \u00e9l\u00e9ments.",
        "\u00c0 des intervalles que la r\u00e9gulation adapte \u00e0 la production de vapeur et \u00e0 la "
        "qualit\u00e9 de l'eau, la pompe de d\u00e9concentration (5) \u00e9vacue une partie de l'eau. La "
        "concentration en min\u00e9raux dissous reste ainsi faible et les boues fines sont chass\u00e9es du "
        "cylindre. De l'eau fra\u00eeche arrive par l'\u00e9lectrovanne de remplissage.",
    ],
    "savings": "Ce qu'il fait \u00e9conomiser en maintenance",
    "savingsText": "Comme le tartre quitte en permanence la zone chauff\u00e9e, les \u00e9l\u00e9ments "
    "chauffants restent propres et la production de vapeur reste constante d'un entretien \u00e0 l'autre. "
    "La maintenance se limite \u00e0 vider le collecteur de tartre et \u00e0 contr\u00f4ler les joints "
    "\u00e0 intervalles espac\u00e9s ; aucun cylindre n'est \u00e0 acheter, \u00e0 stocker ni \u00e0 "
    "\u00e9liminer.",
    "table": [
        ("", "Cylindre jetable classique", "Cylindre vapeur autonettoyant"),
        ("Cylindre", "Remplac\u00e9 une fois entartr\u00e9", "Reste dans l'appareil"),
        ("Intervention", "Changement du cylindre, souvent plusieurs fois par an en eau dure",
         "Vidange du collecteur de tartre, en g\u00e9n\u00e9ral une \u00e0 deux fois par an"),
        ("Pi\u00e8ces de rechange", "Cylindres de rechange en stock", "Joints uniquement"),
        ("Production de vapeur", "Diminue \u00e0 mesure que le tartre s'accumule", "Reste constante"),
        ("Arr\u00eat", "\u00c0 chaque changement de cylindre", "Court, lors de l'entretien planifi\u00e9"),
    ],
    "tableNote": "Les intervalles d\u00e9pendent de la duret\u00e9 de l'eau et des heures de "
    "fonctionnement ; la r\u00e9gulation signale quand un entretien est n\u00e9cessaire.",
    "know": "Bon \u00e0 savoir",
    "points": [
        "Le cylindre vapeur autonettoyant fonctionne avec de l'eau potable ordinaire. Une eau "
        "partiellement adoucie espace encore davantage les entretiens ; une eau enti\u00e8rement "
        "d\u00e9min\u00e9ralis\u00e9e ne n\u00e9cessite aucun autonettoyage.",
        "L'eau de d\u00e9concentration est refroidie par de l'eau fra\u00eeche avant de quitter l'appareil ; "
        "elle peut donc rejoindre le r\u00e9seau d'\u00e9vacuation normal du b\u00e2timent.",
        "Dans le comparatif de la page \u00ab {tab} \u00bb, les gammes \u00e9quip\u00e9es du cylindre vapeur "
        "autonettoyant sont marqu\u00e9es \u00e0 la ligne \u00ab {row} \u00bb ; le rep\u00e8re "
        "\u00ab {option} \u00bb signifie que le cylindre peut \u00eatre command\u00e9 en option.",
    ],
}

PL = {
    "title": "Samoczyszcz\u0105cy cylinder parowy",
    "subtitle": "Jak nawil\u017cacze parowe Veltrann chroni\u0105 sw\u00f3j cylinder przed kamieniem",
    "intro": [
        "Ka\u017cdy nawil\u017cacz parowy zamienia wod\u0119 w par\u0119. Rozpuszczone w wodzie minera\u0142y "
        "\u2013 g\u0142\u00f3wnie zwi\u0105zki wapnia i magnezu \u2013 nie odparowuj\u0105 razem z ni\u0105. "
        "Pozostaj\u0105 w cylindrze i tworz\u0105 kamie\u0144. W zwyk\u0142ym urz\u0105dzeniu kamie\u0144 "
        "narasta tak d\u0142ugo, a\u017c cylinder trzeba wymieni\u0107 albo pracoch\u0142onnie "
        "odkamieni\u0107 r\u0119cznie.",
        "Samoczyszcz\u0105cy cylinder parowy usuwa kamie\u0144 tam, gdzie on powstaje. Cylinder ze stali "
        "nierdzewnej jest tak zbudowany, \u017ce kamie\u0144 odpada od grza\u0142ek, opada do osadnika poza "
        "stref\u0105 grzania i opuszcza cylinder razem z wod\u0105 odmulan\u0105. Sam cylinder nie jest "
        "cz\u0119\u015bci\u0105 eksploatacyjn\u0105: pozostaje w urz\u0105dzeniu przez ca\u0142y okres jego "
        "u\u017cytkowania.",
    ],
    "figure": "Rysunek 1: Przekr\u00f3j samoczyszcz\u0105cego cylindra parowego",
    "legend": [
        "Wylot pary do w\u0119\u017ca parowego",
        "Grza\u0142ki",
        "P\u0142atki kamienia odpadaj\u0105ce od grza\u0142ek",
        "Osadnik kamienia poni\u017cej strefy grzania",
        "Pompa odmulaj\u0105ca",
        "Zaw\u00f3r nape\u0142niaj\u0105cy (dop\u0142yw wody)",
        "Czujnik poziomu",
        "Lanca parowa w kanale powietrznym",
    ],
    "how": "Zasada dzia\u0142ania",
    "steps": [
        "Zaw\u00f3r nape\u0142niaj\u0105cy (6) wpuszcza wod\u0119, dop\u00f3ki czujnik poziomu (7) nie "
        "zg\u0142osi poziomu roboczego. Wtedy sterownik w\u0142\u0105cza grza\u0142ki (2).",
        "Woda wrze, a para opuszcza cylinder przez wylot pary (1) i p\u0142ynie do lancy parowej (8) "
        "w kanale.",
        "W miar\u0119 odparowywania wody na grza\u0142kach osadza si\u0119 kamie\u0144. Przy ka\u017cdym "
        "nagrzaniu i ostygni\u0119ciu ich powierzchnia rozszerza si\u0119 i kurczy nieco bardziej, ni\u017c "
        "mo\u017ce za tym pod\u0105\u017cy\u0107 kruchy kamie\u0144: kamie\u0144 p\u0119ka i odpada "
        "p\u0142atkami (3).",
        "P\u0142atki opadaj\u0105 do osadnika kamienia (4). Poni\u017cej strefy grzania woda jest spokojna, "
        "wi\u0119c pozostaj\u0105 tam, zamiast ponownie unosi\u0107 si\u0119 w wodzie, i nie pogarszaj\u0105 "
        "przekazywania ciep\u0142a przez grza\u0142ki.",
        "W odst\u0119pach, kt\u00f3re sterownik dopasowuje do wydajno\u015bci pary i jako\u015bci wody, "
        "pompa odmulaj\u0105ca (5) odprowadza cz\u0119\u015b\u0107 wody. Dzi\u0119ki temu st\u0119\u017cenie "
        "rozpuszczonych minera\u0142\u00f3w pozostaje niskie, a drobny szlam zostaje wyp\u0142ukany z "
        "cylindra. Przez zaw\u00f3r nape\u0142niaj\u0105cy dop\u0142ywa \u015bwie\u017ca woda.",
    ],
    "savings": "Oszcz\u0119dno\u015bci w konserwacji",
    "savingsText": "Poniewa\u017c kamie\u0144 stale opuszcza stref\u0119 grzania, grza\u0142ki pozostaj\u0105 "
    "czyste, a wydajno\u015b\u0107 pary jest sta\u0142a mi\u0119dzy kolejnymi przegl\u0105dami. Konserwacja "
    "ogranicza si\u0119 do opr\u00f3\u017cniania osadnika kamienia i sprawdzania uszczelek w d\u0142ugich "
    "odst\u0119pach czasu; nie trzeba kupowa\u0107, magazynowa\u0107 ani utylizowa\u0107 cylindr\u00f3w.",
    "table": [
        ("", "Zwyk\u0142y cylinder jednorazowy", "Samoczyszcz\u0105cy cylinder parowy"),
        ("Cylinder", "Wymieniany po zaro\u015bni\u0119ciu kamieniem", "Pozostaje w urz\u0105dzeniu"),
        ("Prace serwisowe", "Wymiana cylindra, przy twardej wodzie cz\u0119sto kilka razy w roku",
         "Opr\u00f3\u017cnienie osadnika kamienia, zwykle raz lub dwa razy w roku"),
        ("Cz\u0119\u015bci zamienne", "Zapas cylindr\u00f3w zamiennych", "Tylko uszczelki"),
        ("Wydajno\u015b\u0107 pary", "Spada wraz z narastaniem kamienia", "Pozostaje sta\u0142a"),
        ("Przestoje", "Przy ka\u017cdej wymianie cylindra", "Kr\u00f3tkie, podczas planowego przegl\u0105du"),
    ],
    "tableNote": "Odst\u0119py mi\u0119dzy przegl\u0105dami zale\u017c\u0105 od twardo\u015bci wody i liczby "
    "godzin pracy; sterownik sygnalizuje, kiedy nale\u017cy wykona\u0107 przegl\u0105d.",
    "know": "Warto wiedzie\u0107",
    "points": [
        "Samoczyszcz\u0105cy cylinder parowy pracuje na zwyk\u0142ej wodzie pitnej. Woda cz\u0119\u015bciowo "
        "zmi\u0119kczona dodatkowo wyd\u0142u\u017ca odst\u0119py mi\u0119dzy przegl\u0105dami; woda "
        "ca\u0142kowicie zdemineralizowana w og\u00f3le nie wymaga samoczyszczenia.",
        "Woda odmulana jest przed opuszczeniem urz\u0105dzenia sch\u0142adzana \u015bwie\u017c\u0105 wod\u0105, "
        "dlatego mo\u017cna j\u0105 odprowadzi\u0107 do zwyk\u0142ej kanalizacji budynku.",
        "W por\u00f3wnaniu urz\u0105dze\u0144 na stronie \u201e{tab}\u201d serie z samoczyszcz\u0105cym "
        "cylindrem parowym s\u0105 oznaczone w wierszu \u201e{row}\u201d; oznaczenie \u201e{option}\u201d "
        "oznacza, \u017ce cylinder mo\u017cna zam\u00f3wi\u0107 jako opcj\u0119.",
    ],
}

# Docs subfolder, language table module, text.
DOCUMENTS = [("En", "english", EN), ("De", "deutsch", DE), ("Fr", "francais", FR), ("Po", "polski", PL)]
