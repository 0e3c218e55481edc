<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>About</name>
    <message>
        <source>The daylight-saving dates come from this computer&apos;s time-zone database, which does not name its version.</source>
        <translation>Les dates de l&apos;heure d&apos;été viennent de la base des fuseaux horaires de cet ordinateur, qui n&apos;indique pas sa version.</translation>
    </message>
    <message>
        <source>The daylight-saving dates come from this computer&apos;s time-zone database, version %1.</source>
        <translation>Les dates de l&apos;heure d&apos;été viennent de la base des fuseaux horaires de cet ordinateur, version %1.</translation>
    </message>
    <message>
        <source>Zorvane %1</source>
        <translation>Zorvane %1</translation>
    </message>
    <message>
        <source>A world clock: the local time of every country and time zone, with a country information window and a world map of day and night.</source>
        <translation>Une horloge mondiale : l&apos;heure locale de chaque pays et fuseau horaire, avec une fenêtre d&apos;informations sur les pays et une carte du monde du jour et de la nuit.</translation>
    </message>
    <message>
        <source>Your files (countries.txt, tzone.txt, highlight.txt) are in:</source>
        <translation>Vos fichiers (countries.txt, tzone.txt, highlight.txt) se trouvent dans :</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>the data folder &quot;%1&quot; does not exist.</source>
        <translation>le dossier de données « %1 » n&apos;existe pas.</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>offset from GMT</source>
        <translation>décalage par rapport à GMT</translation>
    </message>
    <message>
        <source>daylight-saving hours</source>
        <translation>heures d&apos;été</translation>
    </message>
    <message>
        <source>daylight saving used</source>
        <translation>heure d&apos;été appliquée</translation>
    </message>
    <message>
        <source>daylight-saving start date</source>
        <translation>début de l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>daylight-saving end date</source>
        <translation>fin de l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>location</source>
        <translation>situation</translation>
    </message>
    <message>
        <source>capital</source>
        <translation>capitale</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>latitude</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>longitude</translation>
    </message>
    <message>
        <source>languages</source>
        <translation>langues</translation>
    </message>
    <message>
        <source>map picture name</source>
        <translation>nom de l&apos;image de carte</translation>
    </message>
    <message>
        <source>brief history</source>
        <translation>bref historique</translation>
    </message>
    <message>
        <source>The file could not be read: %1.</source>
        <translation>Le fichier n&apos;a pas pu être lu : %1.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB; only its beginning was read.</source>
        <translation>Le fichier dépasse %1 Mo ; seul son début a été lu.</translation>
    </message>
    <message>
        <source>Reading stopped in the three header lines: the file ends there.</source>
        <translation>La lecture s&apos;est arrêtée dans les trois lignes d&apos;en-tête : le fichier s&apos;arrête là.</translation>
    </message>
    <message>
        <source>Reading stopped at entry %1%2, field %3 (%4): </source>
        <translation>La lecture s&apos;est arrêtée à l&apos;entrée %1%2, champ %3 (%4) : </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date between # signs.</source>
        <translation>« %1 » n&apos;est pas une date entre signes #.</translation>
    </message>
    <message>
        <source>the file ends there.</source>
        <translation>le fichier s&apos;arrête là.</translation>
    </message>
    <message>
        <source>countries.txt could be read only in part. </source>
        <translation>countries.txt n&apos;a pu être lu qu&apos;en partie. </translation>
    </message>
    <message>
        <source> The entries from there on are empty or incomplete. The file has not been changed; saving the table is refused until the file reads whole again.</source>
        <translation> Les entrées suivantes sont vides ou incomplètes. Le fichier n&apos;a pas été modifié ; l&apos;enregistrement du tableau est refusé tant que le fichier ne se lit pas en entier.</translation>
    </message>
    <message>
        <source>The changes not saved could not be kept in %1: %2</source>
        <translation>Les modifications non enregistrées n&apos;ont pas pu être conservées dans %1 : %2</translation>
    </message>
    <message>
        <source>The kept changes in %1 do not read whole, so they were not saved.</source>
        <translation>Les modifications conservées dans %1 ne se lisent pas en entier ; elles n&apos;ont donc pas été enregistrées.</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>un fichier spécial</translation>
    </message>
    <message>
        <source>it is a symbolic link to a file that does not exist, so nothing was written</source>
        <translation>c&apos;est un lien symbolique vers un fichier qui n&apos;existe pas, rien n&apos;a donc été écrit</translation>
    </message>
    <message>
        <source>the file is read-only (you may not change it), so it was left as it is</source>
        <translation>le fichier est en lecture seule (vous n&apos;avez pas le droit de le modifier), il a donc été laissé tel quel</translation>
    </message>
    <message>
        <source>it is %1, not a regular file, so it was left alone</source>
        <translation>c&apos;est %1, pas un fichier ordinaire, il a donc été laissé tel quel</translation>
    </message>
    <message>
        <source>it is a symbolic link to %1, not to a regular file, so nothing was written</source>
        <translation>c&apos;est un lien symbolique vers %1, pas vers un fichier ordinaire, rien n&apos;a donc été écrit</translation>
    </message>
    <message>
        <source>it is a symbolic link in a folder that is not yours alone (another user could have put it there), so nothing was written through it</source>
        <translation>c&apos;est un lien symbolique dans un dossier qui n&apos;est pas à vous seul (un autre utilisateur a pu l&apos;y placer), rien n&apos;a donc été écrit à travers lui</translation>
    </message>
    <message>
        <source>it is a chain of too many symbolic links, so nothing was written</source>
        <translation>c&apos;est une chaîne de trop nombreux liens symboliques, rien n&apos;a donc été écrit</translation>
    </message>
    <message>
        <source>its symbolic link cannot be read, so nothing was written</source>
        <translation>son lien symbolique est illisible, rien n&apos;a donc été écrit</translation>
    </message>
    <message>
        <source>the file is too large to add to</source>
        <translation>le fichier est trop grand pour y ajouter quoi que ce soit</translation>
    </message>
    <message>
        <source>it could not be read</source>
        <translation>il n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>il dépasse %1 Mo</translation>
    </message>
    <message>
        <source>reading stopped in its header</source>
        <translation>la lecture s&apos;est arrêtée dans l&apos;en-tête</translation>
    </message>
    <message>
        <source>reading stopped at entry %1</source>
        <translation>la lecture s&apos;est arrêtée à l&apos;entrée %1</translation>
    </message>
    <message>
        <source>countries.txt was read only in part (%1), so saving the whole table would empty the entries after that point. Nothing was written. Mend the file and start Zorvane again.</source>
        <translation>countries.txt n&apos;a été lu qu&apos;en partie (%1) ; enregistrer tout le tableau viderait les entrées situées après ce point. Rien n&apos;a été écrit. Réparez le fichier et relancez Zorvane.</translation>
    </message>
    <message>
        <source>it was changed on disk since Zorvane read it (by another copy of Zorvane or another program), so nothing was written and that change is kept</source>
        <translation>il a été modifié sur le disque depuis que Zorvane l&apos;a lu (par une autre copie de Zorvane ou un autre programme) : rien n&apos;a été écrit et cette modification est conservée</translation>
    </message>
</context>
<context>
    <name>DstUpdate</name>
    <message>
        <source>Entries not updated, no time zone known for their map picture name: </source>
        <translation>Entrées non mises à jour, aucun fuseau horaire connu pour leur nom d&apos;image de carte : </translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>Entries not updated, their time zone is missing from this computer&apos;s time-zone database: </source>
        <translation>Entrées non mises à jour, leur fuseau horaire manque dans la base des fuseaux horaires de cet ordinateur : </translation>
    </message>
    <message>
        <source> to </source>
        <translation> au </translation>
    </message>
    <message>
        <source>%1: %2 has %3 daylight saving stretches; its dates keep the longest and leave out %4.</source>
        <translation>%1 : %2 a %3 périodes d&apos;heure d&apos;été ; ses dates gardent la plus longue et omettent %4.</translation>
    </message>
    <message>
        <source>The country file %1 does not exist, so no daylight saving dates were updated.</source>
        <translation>Le fichier des pays %1 n&apos;existe pas ; aucune date d&apos;heure d&apos;été n&apos;a donc été mise à jour.</translation>
    </message>
    <message>
        <source>The country file %1 could not be opened, so no daylight saving dates were updated. The file is unchanged.</source>
        <translation>Le fichier des pays %1 n&apos;a pas pu être ouvert ; aucune date d&apos;heure d&apos;été n&apos;a donc été mise à jour. Le fichier est inchangé.</translation>
    </message>
    <message>
        <source>The country file %1 could be read only as far as entry %2 of %3. Writing it back would lose the entries after that, so no daylight saving dates were updated. The file is unchanged.</source>
        <translation>Le fichier des pays %1 n&apos;a pu être lu que jusqu&apos;à l&apos;entrée %2 sur %3. Le réécrire perdrait les entrées suivantes ; aucune date d&apos;heure d&apos;été n&apos;a donc été mise à jour. Le fichier est inchangé.</translation>
    </message>
    <message>
        <source>The country file %1 could not be saved: %2. The file on disk is unchanged.</source>
        <translation>Le fichier des pays %1 n&apos;a pas pu être enregistré : %2. Le fichier sur le disque est inchangé.</translation>
    </message>
    <message>
        <source>The daylight saving dates in use are those of %1. Update them for %2 from this computer&apos;s time-zone database?</source>
        <translation>Les dates d&apos;heure d&apos;été utilisées sont celles de %1. Les mettre à jour pour %2 depuis la base des fuseaux horaires de cet ordinateur ?</translation>
    </message>
    <message>
        <source>Daylight saving dates updated for %1 from this computer&apos;s time-zone database: </source>
        <translation>Dates d&apos;heure d&apos;été mises à jour pour %1 depuis la base des fuseaux horaires de cet ordinateur : </translation>
    </message>
    <message>
        <source>no entry changed.</source>
        <translation>aucune entrée modifiée.</translation>
    </message>
    <message>
        <source>1 entry changed.</source>
        <translation>1 entrée modifiée.</translation>
    </message>
    <message>
        <source>%1 entries changed.</source>
        <translation>%1 entrées modifiées.</translation>
    </message>
</context>
<context>
    <name>EntryEdit</name>
    <message>
        <source>daylight saving hours</source>
        <translation>heures d&apos;été</translation>
    </message>
    <message>
        <source>daylight saving start date</source>
        <translation>date de début de l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>daylight saving end date</source>
        <translation>date de fin de l&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>field &quot;%1&quot;</source>
        <translation>champ « %1 »</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; is not a date. Type a date such as Mar 28. The entry was not taken and its dates are unchanged.</source>
        <translation>La %1 « %2 » n&apos;est pas une date. Tapez une date comme Mar 28. L&apos;entrée n&apos;a pas été prise et ses dates sont inchangées.</translation>
    </message>
    <message>
        <source>The %1 begins with a double quote, which the country file cannot keep at the start of a field. Remove it, or use single quotes, such as &apos;Old Town&apos;. The entry was not taken.</source>
        <translation>Le %1 commence par un guillemet double, que le fichier des pays ne peut pas garder au début d&apos;un champ. Supprimez-le ou utilisez des guillemets simples, comme &apos;Old Town&apos;. L&apos;entrée n&apos;a pas été prise.</translation>
    </message>
</context>
<context>
    <name>zv::ClockWindow</name>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>Heure locale</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>DST in</source>
        <translation>Heure d&apos;été</translation>
    </message>
    <message>
        <source>AM in</source>
        <translation>Matin dans</translation>
    </message>
    <message>
        <source>PM in</source>
        <translation>Après-midi</translation>
    </message>
    <message>
        <source>Zorvane was ended with changes to the country table that had not been saved. They were kept in %1.</source>
        <translation>Zorvane a été fermé avec des modifications du tableau des pays non enregistrées. Elles ont été conservées dans %1.</translation>
    </message>
    <message>
        <source>Save them to countries.txt now? No discards them.</source>
        <translation>Les enregistrer maintenant dans countries.txt ? « Non » les abandonne.</translation>
    </message>
    <message>
        <source>The kept changes could not be saved: %1. They are still in %2.</source>
        <translation>Les modifications conservées n&apos;ont pas pu être enregistrées : %1. Elles sont toujours dans %2.</translation>
    </message>
    <message>
        <source>Your time zone settings could not be saved to %1: %2.</source>
        <translation>Vos réglages de fuseau horaire n&apos;ont pas pu être enregistrés dans %1 : %2.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Sunlight Map</source>
        <translation>Carte du soleil</translation>
    </message>
    <message>
        <source>Use This Computer&apos;s Zone</source>
        <translation>Utiliser le fuseau de cet ordinateur</translation>
    </message>
    <message>
        <source>Update Daylight Saving Dates</source>
        <translation>Mettre à jour les dates d&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Functions</source>
        <translation>Fonctions</translation>
    </message>
    <message>
        <source>Locate on World Map</source>
        <translation>Situer sur la carte</translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation>Surligner</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>More info</source>
        <translation>Plus d&apos;infos</translation>
    </message>
    <message>
        <source>Change to...</source>
        <translation>Changer en...</translation>
    </message>
    <message>
        <source>The highlight could not be saved to highlight.txt: %1.</source>
        <translation>Le surlignage n&apos;a pas pu être enregistré dans highlight.txt : %1.</translation>
    </message>
    <message>
        <source>The highlights could not be saved to highlight.txt: %1.</source>
        <translation>Les surlignages n&apos;ont pas pu être enregistrés dans highlight.txt : %1.</translation>
    </message>
    <message>
        <source>None found.</source>
        <translation>Aucun résultat.</translation>
    </message>
    <message>
        <source>Enter the new time for </source>
        <translation>Entrez la nouvelle heure pour </translation>
    </message>
    <message>
        <source>This computer&apos;s time zone is not known, so the settings were left as they are.</source>
        <translation>Le fuseau horaire de cet ordinateur est inconnu ; les réglages sont donc restés tels quels.</translation>
    </message>
    <message>
        <source>Time list</source>
        <translation>Liste des heures</translation>
    </message>
    <message>
        <source>Daylight saving time active in %1 countries/zones</source>
        <translation>Heure d&apos;été en vigueur dans %1 pays/zones</translation>
    </message>
    <message>
        <source>Enter partial or full name of the country to locate

Found items will be displayed in bright GREEN color
Press F5 to change to normal color</source>
        <translation>Entrez tout ou partie du nom du pays à situer

Les éléments trouvés apparaîtront en VERT vif
Appuyez sur F5 pour revenir à la couleur normale</translation>
    </message>
    <message>
        <source>This computer&apos;s time zone could not be read, so the settings take the offset of its clock: %1 hours from GMT, without daylight saving time. If that is wrong, correct it in File, Settings; the settings are saved for the next start only when changed.</source>
        <translation>Le fuseau horaire de cet ordinateur n&apos;a pas pu être lu ; les réglages reprennent donc le décalage de son horloge : %1 heures par rapport à GMT, sans heure d&apos;été. Si c&apos;est faux, corrigez-le dans Fichier, Réglages ; les réglages ne sont enregistrés pour le prochain démarrage que s&apos;ils ont été modifiés.</translation>
    </message>
    <message>
        <source>Of which daylight saving:</source>
        <translation>Dont heure d&apos;été :</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>h</translation>
    </message>
    <message>
        <source>Standard offset from GMT:</source>
        <translation>Décalage normal / GMT :</translation>
    </message>
    <message>
        <source>Close this panel to see every time; File &gt; Settings brings it back.</source>
        <translation>Fermez ce panneau pour voir toutes les heures ; Fichier &gt; Réglages le rouvre.</translation>
    </message>
    <message>
        <source>Of which daylight saving (hours)</source>
        <translation>Dont heure d&apos;été (heures)</translation>
    </message>
    <message>
        <source>Standard offset from GMT (hours)</source>
        <translation>Décalage normal par rapport à GMT (heures)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Clock as on the Desktop</source>
        <translation>Horloge comme sur le bureau</translation>
    </message>
    <message>
        <source>12-Hour Clock</source>
        <translation>Horloge sur 12 heures</translation>
    </message>
    <message>
        <source>24-Hour Clock</source>
        <translation>Horloge sur 24 heures</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;About Zorvane</source>
        <translation>À &amp;propos de Zorvane</translation>
    </message>
    <message>
        <source>About Zorvane</source>
        <translation>À propos de Zorvane</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time. Type a time such as 3:45 PM or 15:45.</source>
        <translation>« %1 » n&apos;est pas une heure. Tapez une heure comme 3:45 PM ou 15:45.</translation>
    </message>
    <message>
        <source>daylight saving time in force</source>
        <translation>heure d&apos;été en vigueur</translation>
    </message>
    <message>
        <source>highlighted</source>
        <translation>surligné</translation>
    </message>
    <message>
        <source>found</source>
        <translation>trouvé</translation>
    </message>
    <message>
        <source>dddd d MMMM</source>
        <comment>weekday and date in the clock&apos;s tips</comment>
        <translation>dddd d MMMM</translation>
    </message>
</context>
<context>
    <name>zv::CountryInfoWindow</name>
    <message>
        <source>Country Information</source>
        <translation>Informations sur le pays</translation>
    </message>
    <message>
        <source>Country or Zone</source>
        <translation>Pays ou zone</translation>
    </message>
    <message>
        <source>Time now:</source>
        <translation>Heure :</translation>
    </message>
    <message>
        <source>Time zone relative to GMT</source>
        <translation>Fuseau par rapport à GMT</translation>
    </message>
    <message>
        <source>Uses daylight saving time of </source>
        <translation>Heure d&apos;été de </translation>
    </message>
    <message>
        <source>hrs</source>
        <translation>h</translation>
    </message>
    <message>
        <source>from</source>
        <translation>du</translation>
    </message>
    <message>
        <source>(daylight saving time in force)</source>
        <translation>(heure d&apos;été en vigueur)</translation>
    </message>
    <message>
        <source>to</source>
        <translation>au</translation>
    </message>
    <message>
        <source>Further information</source>
        <translation>Autres informations</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Situation</translation>
    </message>
    <message>
        <source>Capital</source>
        <translation>Capitale</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Locate on World Map</source>
        <translation>Situer sur la carte du monde</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Langues</translation>
    </message>
    <message>
        <source>Brief History</source>
        <translation>Bref historique</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sauver</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Sauver</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Trouver</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Changes once saved cannot be discarded.</source>
        <translation>Une fois enregistrées, les modifications ne peuvent plus être annulées.</translation>
    </message>
    <message>
        <source>Are you sure want to proceed?</source>
        <translation>Voulez-vous vraiment continuer ?</translation>
    </message>
    <message>
        <source>The country file could not be saved: %1. The file on disk is unchanged; your changes are still here.</source>
        <translation>Le fichier des pays n&apos;a pas pu être enregistré : %1. Le fichier sur le disque est inchangé ; vos modifications sont toujours là.</translation>
    </message>
    <message>
        <source>Enter partial or full name of the country to locate</source>
        <translation>Entrez tout ou partie du nom du pays à situer</translation>
    </message>
    <message>
        <source>Country or Zone list</source>
        <translation>Liste des pays et zones</translation>
    </message>
    <message>
        <source>Entry number</source>
        <translation>Numéro d&apos;entrée</translation>
    </message>
    <message>
        <source>Scroll the map picture up and down</source>
        <translation>Faire défiler l&apos;image de carte verticalement</translation>
    </message>
    <message>
        <source>Scroll the map picture left and right</source>
        <translation>Faire défiler l&apos;image de carte horizontalement</translation>
    </message>
    <message>
        <source>Map picture</source>
        <translation>Image de carte</translation>
    </message>
    <message>
        <source>map picture name</source>
        <translation>nom de l&apos;image de carte</translation>
    </message>
    <message>
        <source>daylight saving hours</source>
        <translation>heures d&apos;été</translation>
    </message>
    <message>
        <source>daylight saving used</source>
        <translation>heure d&apos;été appliquée</translation>
    </message>
    <message>
        <source>No entry is shown.</source>
        <translation>Aucune entrée n&apos;est affichée.</translation>
    </message>
    <message>
        <source>Too long to edit here, kept as it is: %1</source>
        <translation>Trop long pour être modifié ici, gardé tel quel : %1</translation>
    </message>
    <message>
        <source>Map of %1</source>
        <translation>Carte : %1</translation>
    </message>
    <message>
        <source>holds a comma</source>
        <translation>contient une virgule</translation>
    </message>
    <message>
        <source>holds a line break</source>
        <translation>contient un saut de ligne</translation>
    </message>
    <message>
        <source>begins with a space</source>
        <translation>commence par une espace</translation>
    </message>
    <message>
        <source>begins with a double quote</source>
        <translation>commence par un guillemet droit</translation>
    </message>
    <message>
        <source>Daylight saving time of (hrs)</source>
        <translation>Heure d&apos;été de (h)</translation>
    </message>
    <message>
        <source>Daylight saving time from</source>
        <translation>Heure d&apos;été du</translation>
    </message>
    <message>
        <source>Daylight saving time to</source>
        <translation>Heure d&apos;été au</translation>
    </message>
    <message>
        <source>Map picture name</source>
        <translation>Nom de l&apos;image de carte</translation>
    </message>
    <message>
        <source>First entry</source>
        <translation>Première entrée</translation>
    </message>
    <message>
        <source>Previous entry</source>
        <translation>Entrée précédente</translation>
    </message>
    <message>
        <source>Next entry</source>
        <translation>Entrée suivante</translation>
    </message>
    <message>
        <source>Last entry</source>
        <translation>Dernière entrée</translation>
    </message>
    <message>
        <source>To edit a field, double-click it, press F2 on it or start typing.</source>
        <translation>Pour modifier un champ : double-clic, F2 ou frappe directe.</translation>
    </message>
    <message>
        <source>Time now: %1</source>
        <translation>Heure : %1</translation>
    </message>
    <message>
        <source>No daylight saving time</source>
        <translation>Pas d&apos;heure d&apos;été</translation>
    </message>
    <message>
        <source>Your changes to the country information are not saved. Save them before closing?</source>
        <translation>Vos modifications des informations sur les pays ne sont pas enregistrées. Les enregistrer avant de fermer ?</translation>
    </message>
    <message>
        <source>No country or zone name contains &quot;%1&quot;. Type a part of a name, such as Chile or united.</source>
        <translation>Aucun nom de pays ou de zone ne contient « %1 ». Tapez une partie d&apos;un nom, comme Chile ou united.</translation>
    </message>
    <message>
        <source>The map picture %1 is missing. Put a JPEG picture of that name in the Maps folder (for the map picture name cl: cl-map.jpg).</source>
        <translation>L&apos;image de carte %1 manque. Mettez une image JPEG de ce nom dans le dossier Maps (pour le nom d&apos;image de carte cl : cl-map.jpg).</translation>
    </message>
    <message>
        <source>for this entry</source>
        <translation>de cette entrée</translation>
    </message>
    <message>
        <source>The map picture %1 cannot be read. Save it again as a JPEG or PNG picture.</source>
        <translation>L&apos;image de carte %1 est illisible. Enregistrez-la de nouveau en image JPEG ou PNG.</translation>
    </message>
    <message>
        <source>The map picture was copied to the clipboard.</source>
        <translation>L&apos;image de carte a été copiée dans le presse-papiers.</translation>
    </message>
    <message>
        <source>This entry has no latitude or longitude to locate on the world map. Type them such as 33.45S and 70.67W, then press the link again.</source>
        <translation>Cette entrée n&apos;a ni latitude ni longitude pour la situer sur la carte du monde. Tapez-les comme 33.45S et 70.67W, puis activez de nouveau le lien.</translation>
    </message>
    <message>
        <source>Scroll the brief history up and down</source>
        <translation>Faire défiler le bref historique verticalement</translation>
    </message>
    <message>
        <source>Scroll the brief history left and right</source>
        <translation>Faire défiler le bref historique horizontalement</translation>
    </message>
    <message>
        <source>Country or Zone names</source>
        <translation>Noms des pays et zones</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; of entry %2 (%3) %4, which the country file cannot keep. Nothing was saved: change the field and save again.</source>
        <translation>Le champ « %1 » de l&apos;entrée %2 (%3) %4, ce que le fichier des pays ne peut pas garder. Rien n&apos;a été enregistré : modifiez le champ et enregistrez de nouveau.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; of entry %2 (%3) holds the character &quot;%4&quot; (U+%5), which the country file&apos;s character set cannot hold. Nothing was saved: replace the character with one the file can hold, such as a plain letter, and save again.</source>
        <translation>Le champ « %1 » de l&apos;entrée %2 (%3) contient le caractère « %4 » (U+%5), que le jeu de caractères du fichier des pays ne peut pas contenir. Rien n&apos;a été enregistré : remplacez le caractère par un caractère que le fichier peut contenir, comme une lettre simple, et enregistrez de nouveau.</translation>
    </message>
</context>
<context>
    <name>zv::WorldMapWindow</name>
    <message>
        <source>World Map</source>
        <translation>Carte du monde</translation>
    </message>
    <message>
        <source>Plot Sunrise/Sunset</source>
        <translation>Lever/coucher</translation>
    </message>
    <message>
        <source>Show Day/Night</source>
        <translation>Afficher jour/nuit</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Find Country</source>
        <translation>Chercher un pays</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Sunrise at</source>
        <translation>Lever à</translation>
    </message>
    <message>
        <source>Sunset at</source>
        <translation>Coucher à</translation>
    </message>
    <message>
        <source>Sun rise</source>
        <translation>Lever</translation>
    </message>
    <message>
        <source>Sun set</source>
        <translation>Coucher</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nuit</translation>
    </message>
    <message>
        <source>Latitude </source>
        <translation>Latitude </translation>
    </message>
    <message>
        <source>Longitude </source>
        <translation>Longitude </translation>
    </message>
    <message>
        <source>Sunrise at </source>
        <translation>Lever à </translation>
    </message>
    <message>
        <source>Sunset at </source>
        <translation>Coucher à </translation>
    </message>
    <message>
        <source>Enter the partial name of country to locate</source>
        <translation>Entrez une partie du nom du pays à situer</translation>
    </message>
    <message>
        <source>The GMT time &quot;%1&quot; is not a time of day, so the day and night lines cannot be shown.</source>
        <translation>L&apos;heure GMT « %1 » n&apos;est pas une heure du jour ; les lignes du jour et de la nuit ne peuvent donc pas être affichées.</translation>
    </message>
    <message>
        <source>No sunrise</source>
        <translation>Sans lever</translation>
    </message>
    <message>
        <source>No sunset</source>
        <translation>Sans coucher</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>janv.</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>févr.</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>avr.</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>juil.</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>août</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sept.</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>oct.</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov.</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>déc.</translation>
    </message>
    <message>
        <source>Sun times for %1 %2 %3 GMT</source>
        <translation>Soleil le %1 %2 %3 GMT</translation>
    </message>
    <message>
        <source>%1* not found</source>
        <translation>%1* introuvable</translation>
    </message>
    <message>
        <source>1 country found.</source>
        <translation>1 pays trouvé.</translation>
    </message>
    <message>
        <source>%1 countries found.</source>
        <translation>%1 pays trouvés.</translation>
    </message>
    <message>
        <source>13. Type mismatch</source>
        <translation>13. Type incompatible</translation>
    </message>
    <message>
        <source> (up all day)</source>
        <translation> (jour polaire)</translation>
    </message>
    <message>
        <source> (down all day)</source>
        <translation> (nuit polaire)</translation>
    </message>
    <message>
        <source>The GMT box holds &quot;%1&quot;, which is not a time of day. Type a time such as 3:45 PM or 15:45.</source>
        <translation>La case GMT contient « %1 », qui n&apos;est pas une heure. Tapez une heure comme 3:45 PM ou 15:45.</translation>
    </message>
    <message>
        <source>World map</source>
        <translation>Carte du monde</translation>
    </message>
    <message>
        <source>Cross at %1, %2. The arrow keys move it, with Shift in bigger steps; Enter shows the sunrise and sunset there.</source>
        <translation>Croix à %1, %2. Les flèches la déplacent, avec Maj par grands pas ; Entrée affiche le lever et le coucher du soleil à cet endroit.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Progress done</source>
        <translation>Progression faite</translation>
    </message>
    <message>
        <source>Point shown</source>
        <translation>Point affiché</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source>Red line</source>
        <translation>Ligne rouge</translation>
    </message>
    <message>
        <source>Blue line</source>
        <translation>Ligne bleue</translation>
    </message>
</context>
</TS>
