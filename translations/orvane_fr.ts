<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CChannelInfoDlg</name>
    <message>
        <source>Satellite is not selected.</source>
        <translation>Aucun satellite n&apos;est sélectionné.</translation>
    </message>
    <message>
        <source>Transponder is not selected.</source>
        <translation>Aucun transpondeur n&apos;est sélectionné.</translation>
    </message>
    <message>
        <source>MUX is not selected.</source>
        <translation>Aucun MUX n&apos;est sélectionné.</translation>
    </message>
    <message>
        <source>Service ID is not existed.</source>
        <translation>L&apos;ID de service est absent.</translation>
    </message>
    <message>
        <source>Network is not in the list.</source>
        <translation>Le réseau n&apos;est pas dans la liste.</translation>
    </message>
    <message>
        <source>New service is appended.
</source>
        <translation>La nouvelle chaîne a été ajoutée.
</translation>
    </message>
    <message>
        <source>Same service is existed.
</source>
        <translation>Cette chaîne existe déjà.
</translation>
    </message>
    <message>
        <source>[Error] Service is not appended.
</source>
        <translation>[Erreur] La chaîne n&apos;a pas été ajoutée.
</translation>
    </message>
</context>
<context>
    <name>CConvTpListDlg</name>
    <message>
        <source>[Error] Can&apos;t write the file
&quot;%1&quot;
%2</source>
        <translation>[Erreur] Impossible d&apos;écrire le fichier
« %1 »
%2</translation>
    </message>
</context>
<context>
    <name>CDocument</name>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
</context>
<context>
    <name>CEditorDlg</name>
    <message>
        <source>  Satellite / Transponder List  </source>
        <translation> Satellites / transpondeurs </translation>
    </message>
    <message>
        <source>  Satellite TV List  </source>
        <translation> TV satellite </translation>
    </message>
    <message>
        <source>  Satellite RADIO List  </source>
        <translation> Radio satellite </translation>
    </message>
    <message>
        <source>  Terrestrial TV List  </source>
        <translation> TV terrestre </translation>
    </message>
    <message>
        <source>  Terrestrial RADIO List  </source>
        <translation> Radio terrestre </translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Vider la liste</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Applies at the next start</source>
        <translation>S&apos;applique au prochain démarrage</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Orvane II %1

Edits the channel database of a satellite and terrestrial set-top box, and moves it to and from the box over a serial cable.

Licence: GNU General Public License, version 3 or later. There is no warranty.</source>
        <translation>Orvane II %1

Modifie la base de chaînes d&apos;un décodeur satellite et terrestre, et la transfère vers le décodeur et depuis celui-ci par un câble série.

Licence : GNU General Public License, version 3 ou ultérieure. Aucune garantie.</translation>
    </message>
    <message>
        <source>About Orvane</source>
        <translation>À propos d&apos;Orvane</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>%1 menu</source>
        <translation>Menu %1</translation>
    </message>
    <message>
        <source>Double-click on a column header	Sort the list by that column</source>
        <translation>Double-clic sur un en-tête de colonne	Trie la liste selon cette colonne</translation>
    </message>
</context>
<context>
    <name>CFileCommands</name>
    <message>
        <source>No such file</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>The file is empty</source>
        <translation>Le fichier est vide</translation>
    </message>
    <message>
        <source>Not a data file of the box</source>
        <translation>Ce n&apos;est pas un fichier de données du décodeur</translation>
    </message>
    <message>
        <source>[Error] Can&apos;t read the data file &quot;%1&quot;
%2</source>
        <translation>[Erreur] Impossible de lire le fichier de données « %1 »
%2</translation>
    </message>
    <message>
        <source>the data file &quot;%1&quot;</source>
        <translation>du fichier de données « %1 »</translation>
    </message>
    <message>
        <source>Write to existing file ?

</source>
        <translation>Écrire dans le fichier existant ?

</translation>
    </message>
    <message>
        <source>File Save</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>[Error] Can&apos;t write the data file
 &quot;%1&quot;

</source>
        <translation>[Erreur] Impossible d&apos;écrire le fichier de données
 « %1 »

</translation>
    </message>
    <message>
        <source>[Error] Can&apos;t write the data file 
&quot;%1&quot;

</source>
        <translation>[Erreur] Impossible d&apos;écrire le fichier de données 
« %1 »

</translation>
    </message>
    <message>
        <source>[Error] Can&apos;t write the backup file
 &quot;%1.bak&quot;
The data file is not saved.

</source>
        <translation>[Erreur] Impossible d&apos;écrire la copie de sauvegarde
 « %1.bak »
Le fichier de données n&apos;est pas enregistré.

</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <source>[Warning] Part of %1 could not be read and was dropped:

%2

Nothing is written until you save.</source>
        <translation>[Avertissement] Une partie %1 n&apos;a pas pu être lue et a été écartée :

%2

Rien n&apos;est écrit tant que vous n&apos;enregistrez pas.</translation>
    </message>
</context>
<context>
    <name>CImportTranspondersDlg</name>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>yes: %1</source>
        <translation>oui : %1</translation>
    </message>
    <message>
        <source>Check the satellites of &quot;%1&quot; to import. DVB-S2 transponders start unchecked: the box&apos;s records hold no modulation, so it may not tune them.</source>
        <translation>Cochez les satellites de « %1 » à importer. Les transpondeurs DVB-S2 sont d&apos;abord décochés : les enregistrements du décodeur ne gardent pas la modulation, il risque donc de ne pas les capter.</translation>
    </message>
    <message>
        <source>Filter by name or position</source>
        <translation>Filtrer par nom ou position</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondeurs</translation>
    </message>
    <message>
        <source>In the database</source>
        <translation>Dans la base</translation>
    </message>
</context>
<context>
    <name>CMuxBar</name>
    <message>
        <source>Add…</source>
        <translation>Créer…</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Modif…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suppr.</translation>
    </message>
    <message>
        <source>Terrestrial MUXes</source>
        <translation>MUX terrestres</translation>
    </message>
    <message>
        <source>Add a terrestrial MUX</source>
        <translation>Ajouter un MUX terrestre</translation>
    </message>
    <message>
        <source>Change the chosen MUX</source>
        <translation>Modifier le MUX choisi</translation>
    </message>
    <message>
        <source>Delete the chosen MUX; one that services use stays</source>
        <translation>Supprimer le MUX choisi ; celui qu&apos;utilisent des chaînes reste</translation>
    </message>
    <message>
        <source>%1 cannot be deleted: %2 services are on it. Move them to another MUX or delete them first.</source>
        <translation>%1 ne peut pas être supprimé : %2 chaînes s&apos;y trouvent. Déplacez-les d&apos;abord vers un autre MUX ou supprimez-les.</translation>
    </message>
    <message>
        <source>No MUX can be added: the database holds %1 MUXes, or transponders and MUXes together fill the %2 records the box keeps.</source>
        <translation>Aucun MUX ne peut être ajouté : la base contient %1 MUX, ou transpondeurs et MUX remplissent ensemble les %2 enregistrements du décodeur.</translation>
    </message>
    <message>
        <source>A MUX needs a frequency.</source>
        <translation>Un MUX a besoin d&apos;une fréquence.</translation>
    </message>
    <message>
        <source>The MUX is no longer there.</source>
        <translation>Le MUX n&apos;existe plus.</translation>
    </message>
</context>
<context>
    <name>CMuxDlg</name>
    <message>
        <source>MUX %1</source>
        <translation>MUX %1</translation>
    </message>
    <message>
        <source>New MUX</source>
        <translation>Nouveau MUX</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Fréquence :</translation>
    </message>
    <message>
        <source>Symbol rate:</source>
        <translation>Débit de symboles :</translation>
    </message>
    <message>
        <source>TSID:</source>
        <translation>TSID :</translation>
    </message>
    <message>
        <source>Drift (hex):</source>
        <translation>Dérive (hex) :</translation>
    </message>
    <message>
        <source>Attribute (hex):</source>
        <translation>Attribut (hex) :</translation>
    </message>
    <message>
        <source>Signal:</source>
        <translation>Signal :</translation>
    </message>
    <message>
        <source>Lists show:</source>
        <translation>Les listes affichent :</translation>
    </message>
</context>
<context>
    <name>CNetworkEditorDlg</name>
    <message>
        <source>A name that no service uses is not kept: deleting, moving or sorting services drops it, and so does opening the file again. Give it to a service to keep it.</source>
        <translation>Un nom qu&apos;aucune chaîne n&apos;utilise n&apos;est pas conservé : supprimer, déplacer ou trier des chaînes l&apos;écarte, tout comme rouvrir le fichier. Attribuez-le à une chaîne pour le garder.</translation>
    </message>
    <message>
        <source>A name you add is chosen for this service. Other names that no service uses are dropped when services are deleted, moved or sorted, and when the file is opened again.</source>
        <translation>Un nom ajouté est choisi pour cette chaîne. Les autres noms qu&apos;aucune chaîne n&apos;utilise sont écartés quand des chaînes sont supprimées, déplacées ou triées, et quand le fichier est rouvert.</translation>
    </message>
    <message>
        <source>Networks</source>
        <translation>Réseaux</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Chaînes</translation>
    </message>
    <message>
        <source>Network name</source>
        <translation>Nom du réseau</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Network &quot;%1&quot; cannot be deleted: %2 services use it. Give them another network first.</source>
        <translation>Le réseau « %1 » ne peut pas être supprimé : %2 chaînes l&apos;utilisent. Attribuez-leur d&apos;abord un autre réseau.</translation>
    </message>
    <message>
        <source>No network can be added: the table holds %1 names, or services use every id.</source>
        <translation>Aucun réseau ne peut être ajouté : la table contient %1 noms, ou des chaînes utilisent chaque ID.</translation>
    </message>
    <message>
        <source>The network is no longer in the table.</source>
        <translation>Le réseau n&apos;est plus dans la table.</translation>
    </message>
</context>
<context>
    <name>CSatellitePage</name>
    <message>
        <source>[ERROR] Satellite is not appended. 
 Check the satellite position.

</source>
        <translation>[ERREUR] Le satellite n&apos;a pas été ajouté. 
 Vérifiez la position du satellite.

</translation>
    </message>
</context>
<context>
    <name>CServiceListPage</name>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Toggle Flag</source>
        <translation>Basculer la marque</translation>
    </message>
    <message>
        <source>Detail Info</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Clear Filter</source>
        <translation>Effacer le filtre</translation>
    </message>
    <message>
        <source>Move to Number</source>
        <translation>Déplacer au numéro</translation>
    </message>
    <message>
        <source>Number of the first selected service:</source>
        <translation>Numéro de la première chaîne sélectionnée :</translation>
    </message>
</context>
<context>
    <name>CTransferCommands</name>
    <message>
        <source>[Error] The data received from the STB is not a channel list.
Nothing was changed.</source>
        <translation>[Erreur] Les données reçues du STB ne sont pas une liste de chaînes.
Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>the data received from the STB</source>
        <translation>des données reçues du STB</translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>Other device…</source>
        <translation>Autre périphérique…</translation>
    </message>
    <message>
        <source>Manufacturer: %1</source>
        <translation>Fabricant : %1</translation>
    </message>
    <message>
        <source>Serial number: %1</source>
        <translation>Numéro de série : %1</translation>
    </message>
    <message>
        <source>Vendor:product: %1:%2</source>
        <translation>Fabricant:produit : %1:%2</translation>
    </message>
    <message>
        <source>Path: %1</source>
        <translation>Chemin : %1</translation>
    </message>
    <message>
        <source>%1 is not plugged in</source>
        <translation>%1 n&apos;est pas branché</translation>
    </message>
    <message>
        <source>Data Transfer STB to PC</source>
        <translation>Transfert de données STB vers PC</translation>
    </message>
    <message>
        <source>Data Transfer PC to STB</source>
        <translation>Transfert de données PC vers STB</translation>
    </message>
    <message>
        <source>Data Transfer mode : STB ==&gt; PC</source>
        <translation>Mode de transfert : STB ==&gt; PC</translation>
    </message>
    <message>
        <source>Data Transfer mode : PC ==&gt; STB</source>
        <translation>Mode de transfert : PC ==&gt; STB</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Réception</translation>
    </message>
    <message>
        <source>Disconnection %1</source>
        <translation>Déconnexion %1</translation>
    </message>
    <message>
        <source>Connection %1 Error!!!</source>
        <translation>Connexion %1 Erreur !!!</translation>
    </message>
    <message>
        <source>Connection Error!!!, Check the serial port.</source>
        <translation>Erreur de connexion !!!, vérifiez le port série.</translation>
    </message>
    <message>
        <source>Connection %1</source>
        <translation>Connexion %1</translation>
    </message>
    <message>
        <source>Device path, such as the one stb-sim prints:</source>
        <translation>Chemin du périphérique, comme celui qu&apos;affiche stb-sim :</translation>
    </message>
    <message>
        <source>%1 went away right after it was plugged in: on some distributions brltty takes such adapters; remove brltty, then plug the adapter in again</source>
        <translation>%1 a disparu juste après son branchement : sur certaines distributions, brltty s&apos;empare de ces adaptateurs ; désinstallez brltty, puis rebranchez l&apos;adaptateur</translation>
    </message>
    <message>
        <source>%1 was unplugged</source>
        <translation>%1 a été débranché</translation>
    </message>
</context>
<context>
    <name>ChannelInfoDialog</name>
    <message>
        <source>Channel Informaton</source>
        <translation>Informations sur la chaîne</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondeur</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID service</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Nom chaîne</translation>
    </message>
    <message>
        <source>Video PID</source>
        <translation>PID vidéo</translation>
    </message>
    <message>
        <source>Audio PID</source>
        <translation>PID audio</translation>
    </message>
    <message>
        <source>Dolby Audio</source>
        <translation>Dolby Audio</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Networks…</source>
        <translation>Réseaux…</translation>
    </message>
</context>
<context>
    <name>Charset</name>
    <message>
        <source>Western (Windows-1252)</source>
        <translation>Occidental (Windows-1252)</translation>
    </message>
    <message>
        <source>Central European (Windows-1250)</source>
        <translation>Europe centrale (Windows-1250)</translation>
    </message>
    <message>
        <source>Cyrillic (Windows-1251)</source>
        <translation>Cyrillique (Windows-1251)</translation>
    </message>
    <message>
        <source>Greek (Windows-1253)</source>
        <translation>Grec (Windows-1253)</translation>
    </message>
    <message>
        <source>Turkish (Windows-1254)</source>
        <translation>Turc (Windows-1254)</translation>
    </message>
    <message>
        <source>Hebrew (Windows-1255)</source>
        <translation>Hébreu (Windows-1255)</translation>
    </message>
    <message>
        <source>Arabic (Windows-1256)</source>
        <translation>Arabe (Windows-1256)</translation>
    </message>
    <message>
        <source>Baltic (Windows-1257)</source>
        <translation>Balte (Windows-1257)</translation>
    </message>
    <message>
        <source>Vietnamese (Windows-1258)</source>
        <translation>Vietnamien (Windows-1258)</translation>
    </message>
    <message>
        <source>Western (ISO 8859-1)</source>
        <translation>Occidental (ISO 8859-1)</translation>
    </message>
</context>
<context>
    <name>ConvTpListDialog</name>
    <message>
        <source>Conversion TP List</source>
        <translation>Conversion de la liste TP</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>EditText</name>
    <message>
        <source>Append satellite</source>
        <translation>Ajouter un satellite</translation>
    </message>
    <message>
        <source>Append transponder</source>
        <translation>Ajouter un transpondeur</translation>
    </message>
    <message>
        <source>Update satellite</source>
        <translation>Modifier le satellite</translation>
    </message>
    <message>
        <source>Update transponder</source>
        <translation>Modifier le transpondeur</translation>
    </message>
    <message>
        <source>Delete satellite</source>
        <translation>Supprimer le satellite</translation>
    </message>
    <message>
        <source>Delete transponder</source>
        <translation>Supprimer le transpondeur</translation>
    </message>
    <message>
        <source>Append service</source>
        <translation>Ajouter une chaîne</translation>
    </message>
    <message>
        <source>Change service</source>
        <translation>Modifier la chaîne</translation>
    </message>
    <message>
        <source>Paste 1 service</source>
        <translation>Coller 1 chaîne</translation>
    </message>
    <message numerus="yes">
        <source>Paste %1 services</source>
        <translation>
            <numerusform>Coller %1 chaîne</numerusform>
            <numerusform>Coller %1 chaînes</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete 1 service</source>
        <translation>Supprimer 1 chaîne</translation>
    </message>
    <message numerus="yes">
        <source>Delete %1 services</source>
        <translation>
            <numerusform>Supprimer %1 chaîne</numerusform>
            <numerusform>Supprimer %1 chaînes</numerusform>
        </translation>
    </message>
    <message>
        <source>Move 1 service</source>
        <translation>Déplacer 1 chaîne</translation>
    </message>
    <message numerus="yes">
        <source>Move %1 services</source>
        <translation>
            <numerusform>Déplacer %1 chaîne</numerusform>
            <numerusform>Déplacer %1 chaînes</numerusform>
        </translation>
    </message>
    <message>
        <source>Enable %1</source>
        <translation>Activer %1</translation>
    </message>
    <message>
        <source>Disable %1</source>
        <translation>Désactiver %1</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Cocher %1</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Décocher %1</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <translation>Trier par %1</translation>
    </message>
    <message>
        <source>Receive from STB</source>
        <translation>Recevoir du STB</translation>
    </message>
    <message>
        <source>Order Like %1</source>
        <translation>Ordonner comme %1</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importer un CSV</translation>
    </message>
    <message>
        <source>Delete 1 duplicate</source>
        <translation>Supprimer 1 doublon</translation>
    </message>
    <message numerus="yes">
        <source>Delete %1 duplicates</source>
        <translation>
            <numerusform>Supprimer %1 doublon</numerusform>
            <numerusform>Supprimer %1 doublons</numerusform>
        </translation>
    </message>
    <message>
        <source>Import 1 transponder</source>
        <translation>Importer 1 transpondeur</translation>
    </message>
    <message numerus="yes">
        <source>Import %1 transponders</source>
        <translation>
            <numerusform>Importer %1 transpondeur</numerusform>
            <numerusform>Importer %1 transpondeurs</numerusform>
        </translation>
    </message>
    <message>
        <source>Add network %1</source>
        <translation>Ajouter le réseau %1</translation>
    </message>
    <message>
        <source>Rename network to %1</source>
        <translation>Renommer le réseau en %1</translation>
    </message>
    <message>
        <source>Delete network %1</source>
        <translation>Supprimer le réseau %1</translation>
    </message>
    <message>
        <source>Change networks</source>
        <translation>Modifier les réseaux</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Ajouter %1</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>Modifier %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Supprimer %1</translation>
    </message>
</context>
<context>
    <name>GridColumns</name>
    <message>
        <source>   Satellite Name  </source>
        <translation>   Satellite  </translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>SymbolRate</source>
        <translation>Débit sym.</translation>
    </message>
    <message>
        <source>  Network Name  </source>
        <translation>  Réseau  </translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Verr.</translation>
    </message>
    <message>
        <source>    TV Channel Name  </source>
        <translation>    Chaîne TV  </translation>
    </message>
    <message>
        <source>   Radio Channel Name  </source>
        <translation>   Chaîne radio  </translation>
    </message>
    <message>
        <source>  Channel Name  </source>
        <translation>  Chaîne  </translation>
    </message>
</context>
<context>
    <name>GridMenu</name>
    <message>
        <source>&amp;Cut</source>
        <translation>&amp;Couper</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Move to Number ...</source>
        <translation>&amp;Déplacer au numéro ...</translation>
    </message>
    <message>
        <source>&amp;Enable</source>
        <translation>&amp;Activer</translation>
    </message>
    <message>
        <source>&amp;Disable</source>
        <translation>&amp;Désactiver</translation>
    </message>
</context>
<context>
    <name>ListTools</name>
    <message>
        <source>Data Files (*.zdf)|*.zdf|All Files (*.*)|*.*||</source>
        <translation>Fichiers de données (*.zdf)|*.zdf|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <translation>Fichiers CSV (*.csv)|*.csv|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Data Files (*.zdf)|*.zdf|CSV Files (*.csv)|*.csv|All Files (*.*)|*.*||</source>
        <translation>Fichiers de données (*.zdf)|*.zdf|Fichiers CSV (*.csv)|*.csv|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Order Like</source>
        <translation>Ordonner comme</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importer un CSV</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Find Duplicates</source>
        <translation>Rechercher les doublons</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparer avec</translation>
    </message>
    <message>
        <source>Matched with &quot;%1&quot;:</source>
        <translation>Apparié avec « %1 » :</translation>
    </message>
    <message>
        <source>Unmatched services keep their places</source>
        <translation>Les chaînes non appariées gardent leur place</translation>
    </message>
    <message>
        <source>Take Lock and favourites from the reference</source>
        <translation>Reprendre le verrouillage et les favoris de la référence</translation>
    </message>
    <message>
        <source>The checked services are deleted.</source>
        <translation>Les chaînes cochées seront supprimées.</translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>N° %1</translation>
    </message>
    <message>
        <source>, %1 MHz</source>
        <translation>, %1 MHz</translation>
    </message>
    <message>
        <source>, service id %1</source>
        <translation>, id. de service %1</translation>
    </message>
    <message>
        <source>From &quot;%1&quot; to this database:</source>
        <translation>De « %1 » à cette base :</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Aucune différence.</translation>
    </message>
    <message>
        <source>The current list</source>
        <translation>La liste actuelle</translation>
    </message>
    <message>
        <source>All four lists</source>
        <translation>Les quatre listes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No duplicates found.</source>
        <translation>Aucun doublon trouvé.</translation>
    </message>
    <message>
        <source>[Error] %1</source>
        <translation>[Erreur] %1</translation>
    </message>
    <message>
        <source>Satellite Lists (*.xml)|*.xml|All Files (*.*)|*.*||</source>
        <translation>Listes de satellites (*.xml)|*.xml|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Import Transponders</source>
        <translation>Importer des transpondeurs</translation>
    </message>
    <message>
        <source>&quot;%1&quot; lists no satellites.</source>
        <translation>« %1 » ne contient aucun satellite.</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Satellite Information</source>
        <translation>Informations satellite</translation>
    </message>
    <message>
        <source>Transponder Information</source>
        <translation>Informations transpondeur</translation>
    </message>
    <message>
        <source>Satellite Name :</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Frequency :</source>
        <translation>Fréquence :</translation>
    </message>
    <message>
        <source>Satellite Position :</source>
        <translation>Position :</translation>
    </message>
    <message>
        <source>Symbol Rate :</source>
        <translation>Débit symb. :</translation>
    </message>
    <message>
        <source>C/KU Switch :</source>
        <translation>Commut. C/KU :</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Sans</translation>
    </message>
    <message>
        <source>Polarization :</source>
        <translation>Polarisation :</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horiz.</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vert.</translation>
    </message>
    <message>
        <source>LNB Frequency :</source>
        <translation>Fréquence LNB :</translation>
    </message>
    <message>
        <source>FEC Inner :</source>
        <translation>FEC interne :</translation>
    </message>
    <message>
        <source>C-LNB Frequency :</source>
        <translation>Fréq. LNB C :</translation>
    </message>
    <message>
        <source>LNB Power :</source>
        <translation>Alim. LNB :</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>22 KHz :</source>
        <translation>22 KHz :</translation>
    </message>
    <message>
        <source>0V / 12V :</source>
        <translation>0V / 12V :</translation>
    </message>
    <message>
        <source>ToneBurst :</source>
        <translation>ToneBurst :</translation>
    </message>
    <message>
        <source>Sat A</source>
        <translation>Sat A</translation>
    </message>
    <message>
        <source>Sat B</source>
        <translation>Sat B</translation>
    </message>
    <message>
        <source>DiSEqC Type :</source>
        <translation>Type DiSEqC :</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Detail Info</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As ...</source>
        <translation>Enregistrer &amp;sous ...</translation>
    </message>
    <message>
        <source>Compare With…</source>
        <translation>Comparer avec…</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exporter en CSV…</translation>
    </message>
    <message>
        <source>Import CSV…</source>
        <translation>Importer un CSV…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Move to Number…</source>
        <translation>Déplacer au numéro…</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Order Like…</source>
        <translation>Ordonner comme…</translation>
    </message>
    <message>
        <source>Find Duplicates…</source>
        <translation>Rechercher les doublons…</translation>
    </message>
    <message>
        <source>&amp;STB-&gt;PC</source>
        <translation>&amp;STB-&gt;PC</translation>
    </message>
    <message>
        <source>&amp;PC-&gt;STB</source>
        <translation>&amp;PC-&gt;STB</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <source>&amp;About Orvane</source>
        <translation>À &amp;propos d&apos;Orvane</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>&amp;Transfert</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Import Transponders…</source>
        <translation>Importer des transpondeurs…</translation>
    </message>
    <message>
        <source>Networks…</source>
        <translation>Réseaux…</translation>
    </message>
</context>
<context>
    <name>NameEncoding</name>
    <message>
        <source>Name Encoding</source>
        <translation>Encodage des noms</translation>
    </message>
</context>
<context>
    <name>SatelliteTree</name>
    <message>
        <source>00. New Satellite </source>
        <translation>00. Nouveau satellite </translation>
    </message>
    <message>
        <source>000. New Transponder </source>
        <translation>000. Nouveau transpondeur </translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>Satellite TV %1  Radio %2  Terrestrial TV %3  Radio %4</source>
        <translation>TV satellite %1  Radio %2  TV terrestre %3  Radio %4</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 ouvert</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 enregistré</translation>
    </message>
    <message>
        <source>Received %1</source>
        <translation>Reçu : %1</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>Coupé : %1</translation>
    </message>
    <message>
        <source>Pasted %1 before %2</source>
        <translation>Collé : %1 avant %2</translation>
    </message>
    <message>
        <source>Nothing pasted: no services of this list are cut</source>
        <translation>Rien n&apos;a été collé : aucune chaîne de cette liste n&apos;est coupée</translation>
    </message>
    <message>
        <source>Deleted %1</source>
        <translation>Supprimé : %1</translation>
    </message>
    <message>
        <source>Moved %1 to %2</source>
        <translation>Déplacé : %1 vers %2</translation>
    </message>
    <message>
        <source>Exported %1 to %2</source>
        <translation>Exporté : %1 vers %2</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Annulé : %1</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation>Rétabli : %1</translation>
    </message>
    <message>
        <source>1 service</source>
        <translation>1 chaîne</translation>
    </message>
    <message numerus="yes">
        <source>%1 services</source>
        <translation>
            <numerusform>%1 chaîne</numerusform>
            <numerusform>%1 chaînes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 has no %2: the name stays as it was</source>
        <translation>%1 n&apos;a pas %2 : le nom reste inchangé</translation>
    </message>
</context>
<context>
    <name>TransferDialog</name>
    <message>
        <source>Data Transfer</source>
        <translation>Transfert de données</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Envoi</translation>
    </message>
    <message>
        <source>Flash Write</source>
        <translation>Écriture</translation>
    </message>
    <message>
        <source>Port </source>
        <translation>Port </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
</TS>
