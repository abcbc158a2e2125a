<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>tess::BoardView</name>
    <message>
        <source>POT SCORE</source>
        <translation>POTT</translation>
    </message>
    <message>
        <source>Play to Score: 0</source>
        <translation>Spielen bis: 0</translation>
    </message>
    <message>
        <source>Time Per Turn: 60 sec</source>
        <translation>Zeit pro Zug: 60 s</translation>
    </message>
    <message>
        <source>Welcome to Tessarine</source>
        <translation>Willkommen bei Tessarine</translation>
    </message>
    <message>
        <source>TIME:0:00</source>
        <translation>ZEIT:0:00</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>Card table</source>
        <translation>Kartentisch</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Draw a card and end your turn</source>
        <translation>Eine Karte ziehen und den Zug beenden</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kings message</source>
        <translation>Königsmeldung</translation>
    </message>
    <message>
        <source>Pot score</source>
        <translation>Pott</translation>
    </message>
    <message>
        <source>Time left in the turn</source>
        <translation>Restzeit des Zuges</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Your card %1 of %2: %3</source>
        <translation>Deine Karte %1 von %2: %3</translation>
    </message>
    <message>
        <source>, raised</source>
        <translation>, angehoben</translation>
    </message>
    <message>
        <source>Tab spot %1: %2</source>
        <translation>Tab-Platz %1: %2</translation>
    </message>
    <message>
        <source>, top card %1</source>
        <translation>, oberste Karte %1</translation>
    </message>
    <message>
        <source>, selected</source>
        <translation>, ausgewählt</translation>
    </message>
    <message>
        <source>Foundation %1: %2</source>
        <translation>Ablage %1: %2</translation>
    </message>
    <message>
        <source>Draw pile, empty</source>
        <translation>Ziehstapel, leer</translation>
    </message>
    <message>
        <source>Draw pile</source>
        <translation>Ziehstapel</translation>
    </message>
    <message>
        <source>Ctrl+%1</source>
        <translation>Strg+%1</translation>
    </message>
    <message>
        <source>&lt;Waiting&gt;</source>
        <translation>&lt;Frei&gt;</translation>
    </message>
</context>
<context>
    <name>tess::ChatPanel</name>
    <message>
        <source>Smilies</source>
        <translation>Smileys</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles markieren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Chat leeren</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Chat nicht rollen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Cannot open Webpage</source>
        <translation>Webseite kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>&lt;Enter Chat Here&gt;</source>
        <translation>&lt;Hier chatten&gt;</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Strg+C</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Strg+S</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Strg+V</translation>
    </message>
    <message>
        <source>Chat input</source>
        <translation>Chat-Eingabe</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
</context>
<context>
    <name>tess::ClickLabel</name>
    <message>
        <source>Cannot open Webpage</source>
        <translation>Webseite kann nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>tess::HelpPages</name>
    <message>
        <source>
&lt;p&gt;&lt;b&gt;Finding players on the internet.&lt;/b&gt; Choose &lt;b&gt;File &amp;rsaquo; Find Players
Online&amp;hellip;&lt;/b&gt; (also in the join window) and press &lt;b&gt;Connect&lt;/b&gt;. Tessarine joins a chat
room on an XMPP server and shows the tables listed there, the people in the room and the
room&apos;s chat. Select a table and press &lt;b&gt;Join&lt;/b&gt;: your program asks the host for the table&apos;s
address, and the host&apos;s program answers you alone. To list your own table, tick &lt;b&gt;List this
table online&lt;/b&gt; in the host window, or choose &lt;b&gt;File &amp;rsaquo; List This Table Online&lt;/b&gt;
while you host. The room sees your name, and for a listed table its players, spectators and
whether it is playing; it never sees your address. A table is listed only while your router
forwards port 7772 to it, and it leaves the list when your table closes.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Another server or room.&lt;/b&gt; The window&apos;s Server and Room fields choose where to meet;
everybody who wants to find each other must use the same room. Without an account Tessarine
logs in anonymously, which many servers do not allow; with your own account (name@server) it
logs in as you. The password is kept in your desktop&apos;s password store, never in a file. The
connection is always encrypted. When the link to the server is lost, the window says so and
connects again by itself, a little later each time, and lists your table again; a server that
refuses the login or the room is not asked again: choose another one.&lt;/p&gt;
</source>
        <translation>
&lt;p&gt;&lt;b&gt;Spieler im Internet finden.&lt;/b&gt; Wähle &lt;b&gt;Datei &amp;rsaquo; Spieler online
finden&amp;hellip;&lt;/b&gt; (auch im Fenster zum Beitreten) und drücke &lt;b&gt;Verbinden&lt;/b&gt;. Tessarine
betritt einen Chatraum auf einem XMPP-Server und zeigt die dort angezeigten Tische, die Leute im
Raum und den Chat des Raums. Wähle einen Tisch und drücke &lt;b&gt;Beitreten&lt;/b&gt;: Dein Programm fragt
den Gastgeber nach der Adresse des Tisches, und dessen Programm antwortet nur dir. Um deinen
eigenen Tisch anzuzeigen, setze im Fenster zum Eröffnen den Haken bei &lt;b&gt;Diesen Tisch online
anzeigen&lt;/b&gt; oder wähle beim Gastgeben &lt;b&gt;Datei &amp;rsaquo; Diesen Tisch online anzeigen&lt;/b&gt;. Der
Raum sieht deinen Namen und bei einem angezeigten Tisch dessen Spieler, Zuschauer und ob gerade
gespielt wird; deine Adresse sieht er nie. Ein Tisch wird nur angezeigt, solange dein Router Port
7772 an ihn weiterleitet, und er verschwindet aus der Liste, wenn dein Tisch schließt.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Ein anderer Server oder Raum.&lt;/b&gt; Die Felder Server und Raum legen fest, wo man sich trifft;
alle, die einander finden wollen, müssen denselben Raum nehmen. Ohne Konto meldet sich Tessarine
anonym an, was viele Server nicht erlauben; mit deinem eigenen Konto (name@server) meldet es
sich als du an. Das Passwort liegt im Passwortspeicher deines Desktops, nie in einer Datei. Die
Verbindung ist immer verschlüsselt. Reißt die Verbindung zum Server ab, sagt das Fenster es und
verbindet sich von selbst wieder, jedes Mal etwas später, und zeigt deinen Tisch wieder an; ein
Server, der die Anmeldung oder den Raum ablehnt, wird nicht noch einmal gefragt: Wähle einen
anderen.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;p&gt;&lt;b&gt;Tessarine&lt;/b&gt; is a card game for one to four players at one table. It grew out of the
patience games that families used to play together around the kitchen table: instead of
everyone laying out a patience of their own, all players share four tab spots and four
foundations and race to be the first to get rid of their cards.&lt;/p&gt;
&lt;p&gt;We wrote it so that the game could be played the way it always was, with friends across
the table, even when the table is the Internet. Play a quick game on your own against our
computer player Klot, or meet other players in the Orvane Lobby.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Is there a game you would like to play?&lt;/b&gt; We are always looking for good card and
board games to bring online. Send us your suggestions through our web site
&lt;b&gt;www.orvane.com&lt;/b&gt; &amp;mdash; the best ideas become our next games.&lt;/p&gt;
</source>
        <translation>
&lt;p&gt;&lt;b&gt;Tessarine&lt;/b&gt; ist ein Kartenspiel für einen bis vier Spieler an einem Tisch. Es stammt
von den Patiencen ab, die Familien früher gemeinsam am Küchentisch gelegt haben: Statt dass
jeder seine eigene Patience legt, teilen sich alle vier Tab-Plätze und vier Ablagen und
wetteifern darum, als Erster die eigenen Karten loszuwerden.&lt;/p&gt;
&lt;p&gt;Wir haben es geschrieben, damit man es so spielen kann wie eh und je, mit Freunden am
Tisch, auch wenn der Tisch das Internet ist. Spiel eine schnelle Runde allein gegen unseren
Computerspieler Klot oder triff andere Spieler in der Orvane Lobby.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Gibt es ein Spiel, das du gern spielen würdest?&lt;/b&gt; Wir suchen immer nach guten Karten-
und Brettspielen für das Netz. Schick uns deine Vorschläge über unsere Webseite
&lt;b&gt;www.orvane.com&lt;/b&gt; &amp;mdash; aus den besten Ideen werden unsere nächsten Spiele.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;p&gt;&lt;b&gt;Playing solo.&lt;/b&gt; When Tessarine is started on its own it sets up a table on your
computer with you in the first seat and the computer player Klot in the second. Press the
&lt;b&gt;Start&lt;/b&gt; button (or File &amp;rsaquo; Start Game) to begin. A solo game can be played
offline, but the game talks to itself over your computer&apos;s network components, so your
&lt;b&gt;firewall must allow Tessarine to use the network&lt;/b&gt;, even when you are not connected to
the Internet. If the table never says &quot;You are Connected.&quot;, check your firewall first.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Playing with others.&lt;/b&gt; One player hosts the table; the others join it. Up to four
players sit at the table and up to five more may watch as spies. Tables can be hosted and
joined from Tessarine itself, or found and started through the &lt;b&gt;Orvane Lobby&lt;/b&gt;.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Hosting a table.&lt;/b&gt; Choose &lt;b&gt;File &amp;rsaquo; Host a Table&amp;hellip;&lt;/b&gt; (or &lt;b&gt;Host a
Table&amp;hellip;&lt;/b&gt; in the window shown at a solo start), type the name the others will see and
press &lt;b&gt;Host&lt;/b&gt;. Your solo game ends and your table opens. To invite players, choose
&lt;b&gt;File &amp;rsaquo; Copy Invitation&lt;/b&gt; and send them the link it copies; it begins with
&lt;b&gt;tessarine://&lt;/b&gt;.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Finding and joining a table.&lt;/b&gt; Choose &lt;b&gt;File &amp;rsaquo; Join a Table&amp;hellip;&lt;/b&gt;.
Tables hosted on your own network are listed there: pick one, or type the host&apos;s address (a
computer name, an IPv4 or an IPv6 address) or paste an invitation, and press &lt;b&gt;Join&lt;/b&gt;.
The last five tables you joined are kept in the address list. An invitation link clicked in
the chat or on your desktop opens the same window, filled in; nothing is joined until you
press Join. If a table cannot be reached, Tessarine says why and offers the window again.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Hosting.&lt;/b&gt; The computer that hosts the table must accept incoming connections on
&lt;b&gt;TCP port 7772&lt;/b&gt;. Allow Tessarine through your firewall, and if you are behind a router,
forward port 7772 to your computer.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;If the host leaves.&lt;/b&gt; The host&apos;s computer holds the game. If the host disconnects or
closes the game, all play ends and every player&apos;s game closes.&lt;/p&gt;
&lt;p&gt;A player who leaves during a round is played by the computer player until the round
ends, so the game goes on for the others, and a new player can take the free seat.&lt;/p&gt;
</source>
        <translation>
&lt;p&gt;&lt;b&gt;Allein spielen.&lt;/b&gt; Startest du Tessarine für sich allein, richtet es auf deinem
Computer einen Tisch ein: du auf dem ersten Platz, der Computerspieler Klot auf dem zweiten.
Drück den Knopf &lt;b&gt;Start&lt;/b&gt; (oder Datei &amp;rsaquo; Spiel starten), um zu beginnen. Ein Solospiel
geht auch offline, aber das Spiel spricht über die Netzwerkkomponenten deines Computers mit
sich selbst. Deine &lt;b&gt;Firewall muss Tessarine deshalb das Netzwerk erlauben&lt;/b&gt;, auch ohne
Internetverbindung. Steht am Tisch nie „Du bist verbunden.“, prüfe zuerst deine Firewall.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Mit anderen spielen.&lt;/b&gt; Ein Spieler ist Gastgeber des Tisches, die anderen setzen sich
dazu. Bis zu vier Spieler sitzen am Tisch, bis zu fünf weitere können zuschauen. Tische
eröffnest du und setzt dich dazu direkt in Tessarine, oder du findest und startest sie über
die &lt;b&gt;Orvane Lobby&lt;/b&gt;.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Einen Tisch eröffnen.&lt;/b&gt; Wähle &lt;b&gt;Datei &amp;rsaquo; Tisch eröffnen&amp;hellip;&lt;/b&gt; (oder
&lt;b&gt;Tisch eröffnen&amp;hellip;&lt;/b&gt; im Fenster beim Solostart), gib den Namen ein, den die anderen
sehen, und drück &lt;b&gt;Eröffnen&lt;/b&gt;. Dein Solospiel endet, und dein Tisch öffnet sich. Um Spieler
einzuladen, wähle &lt;b&gt;Datei &amp;rsaquo; Einladung kopieren&lt;/b&gt; und schick ihnen den kopierten Link;
er beginnt mit &lt;b&gt;tessarine://&lt;/b&gt;.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Einen Tisch finden und sich dazusetzen.&lt;/b&gt; Wähle &lt;b&gt;Datei &amp;rsaquo; Tisch
beitreten&amp;hellip;&lt;/b&gt;. Dort stehen die Tische in deinem eigenen Netzwerk: Wähl einen aus, oder gib
die Adresse des Gastgebers ein (einen Computernamen, eine IPv4- oder IPv6-Adresse) oder füge
eine Einladung ein, und drück &lt;b&gt;Beitreten&lt;/b&gt;. Die letzten fünf Tische bleiben in der
Adressliste. Ein Einladungslink, den du im Chat oder auf deinem Desktop anklickst, öffnet
dasselbe Fenster, schon ausgefüllt; beigetreten wird erst, wenn du Beitreten drückst. Ist ein
Tisch nicht erreichbar, sagt Tessarine, warum, und bietet das Fenster wieder an.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Gastgeber sein.&lt;/b&gt; Der Computer des Gastgebers muss eingehende Verbindungen auf
&lt;b&gt;TCP-Port 7772&lt;/b&gt; annehmen. Lass Tessarine durch deine Firewall und leite hinter einem
Router den Port 7772 an deinen Computer weiter.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Wenn der Gastgeber geht.&lt;/b&gt; Der Computer des Gastgebers hält das Spiel. Trennt der
Gastgeber die Verbindung oder schließt er das Spiel, ist das Spiel für alle vorbei und alle
Fenster schließen sich.&lt;/p&gt;
&lt;p&gt;Wer während einer Runde geht, wird bis zum Ende der Runde vom Computerspieler vertreten.
So geht das Spiel für die anderen weiter, und ein neuer Spieler kann den freien Platz
einnehmen.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;p&gt;&lt;b&gt;The deal.&lt;/b&gt; At the start of each round every playing seat puts one point into the
pot. The deck is shuffled, one card is turned face up onto each of the four &lt;b&gt;tab
spots&lt;/b&gt;, and every player gets seven cards. The rest of the deck is the face-down
&lt;b&gt;draw pile&lt;/b&gt;. The four &lt;b&gt;foundations&lt;/b&gt; in the corners start empty. The second seat
always plays: when nobody sits there, the computer player does.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Your turn.&lt;/b&gt; Players take turns in seat order. On your turn you may make as many
moves as you like and can. Every card played must be &lt;b&gt;one lower&lt;/b&gt; than the card it
covers and of the &lt;b&gt;opposite colour&lt;/b&gt; (red on black, black on red); the king counts
highest, the ace lowest.&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;A card from your hand onto a tab spot.&lt;/b&gt; Click the card to raise it, then click the
tab spot. An empty tab spot takes any card but a king: kings can only be placed on
foundation spots. A tab spot whose top card is a king takes nothing: the king must be moved
to a foundation before you can play onto that spot.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;A whole tab spot onto another.&lt;/b&gt; Click a tab spot, then the spot to move it to. The
whole pile moves; its first card must fit on the other spot&apos;s top card. Any pile may move
onto an empty tab spot, except a king, which can only go to a foundation.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;A card onto a foundation.&lt;/b&gt; An empty foundation can only be started with a
&lt;b&gt;king&lt;/b&gt;. After that each card must be one lower and of the opposite colour. Cards
cannot be taken back from a foundation, and a foundation that has reached its ace is
complete.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;A whole tab spot onto a foundation.&lt;/b&gt; A lone king may start an empty foundation; a
run whose first card fits on the foundation goes onto it all at once.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;&lt;b&gt;Ending your turn.&lt;/b&gt; Your turn ends when you &lt;b&gt;draw a card&lt;/b&gt; from the draw pile
(click the pile or the DONE button) or when you have &lt;b&gt;played all your cards&lt;/b&gt;. If you
draw without having played a card, one point goes into the pot.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;The clock.&lt;/b&gt; Each turn has a time limit, set by the host when the game starts. The
bar and the time below the table show what is left. When the time is up, a card is drawn
for you and your turn ends.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;The end of a round.&lt;/b&gt; A round ends when a player has played out the hand; that player
wins the pot (see Scoring). If the draw pile runs out, the round ends without a winner and
the pot is carried into the next round. The next round is dealt after a short break.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Winning.&lt;/b&gt; The host chooses the score to play to. The first player whose score has
reached it is declared the winner when the next round would begin.&lt;/p&gt;
</source>
        <translation>
&lt;p&gt;&lt;b&gt;Das Geben.&lt;/b&gt; Zu Beginn jeder Runde zahlt jeder spielende Platz einen Punkt in den
Pott. Das Blatt wird gemischt, auf jeden der vier &lt;b&gt;Tab-Plätze&lt;/b&gt; kommt eine offene Karte,
und jeder Spieler erhält sieben Karten. Der Rest ist der verdeckte &lt;b&gt;Ziehstapel&lt;/b&gt;. Die vier
&lt;b&gt;Ablagen&lt;/b&gt; in den Ecken sind anfangs leer. Der zweite Platz spielt immer mit: Sitzt dort
niemand, spielt der Computerspieler.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Dein Zug.&lt;/b&gt; Gespielt wird reihum in der Reihenfolge der Plätze. In deinem Zug machst
du so viele Züge, wie du willst und kannst. Jede gelegte Karte muss &lt;b&gt;einen Rang
niedriger&lt;/b&gt; sein als die Karte darunter und die &lt;b&gt;andere Farbe&lt;/b&gt; haben (Rot auf Schwarz,
Schwarz auf Rot); der König ist die höchste Karte, das Ass die niedrigste.&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Eine Handkarte auf einen Tab-Platz.&lt;/b&gt; Klick die Karte an, um sie anzuheben, dann den
Tab-Platz. Ein leerer Tab-Platz nimmt jede Karte außer einem König: Könige dürfen nur auf
Ablagen. Ein Tab-Platz mit einem König obenauf nimmt nichts: Erst muss der König auf eine
Ablage, dann kannst du auf diesen Platz spielen.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Einen ganzen Tab-Platz auf einen anderen.&lt;/b&gt; Klick einen Tab-Platz an, dann den Platz,
auf den er soll. Der ganze Stapel wandert; seine erste Karte muss auf die oberste Karte des
anderen Platzes passen. Jeder Stapel darf auf einen leeren Tab-Platz, außer einem König, der
nur auf eine Ablage darf.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Eine Karte auf eine Ablage.&lt;/b&gt; Eine leere Ablage beginnt immer mit einem
&lt;b&gt;König&lt;/b&gt;. Danach muss jede Karte einen Rang niedriger sein und die andere Farbe haben.
Karten auf Ablagen bleiben dort, und eine Ablage, die beim Ass angekommen ist, ist
fertig.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Einen ganzen Tab-Platz auf eine Ablage.&lt;/b&gt; Ein einzelner König darf eine leere Ablage
beginnen; eine Folge, deren erste Karte auf die Ablage passt, kommt auf einmal darauf.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;&lt;b&gt;Den Zug beenden.&lt;/b&gt; Dein Zug endet, wenn du eine &lt;b&gt;Karte ziehst&lt;/b&gt; (klick den
Ziehstapel oder den Knopf FERTIG) oder wenn du &lt;b&gt;alle Karten ausgespielt&lt;/b&gt; hast. Ziehst du,
ohne eine Karte gelegt zu haben, kommt ein Punkt in den Pott.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Die Uhr.&lt;/b&gt; Jeder Zug hat ein Zeitlimit, das der Gastgeber beim Spielstart festlegt.
Balken und Zeit unter dem Tisch zeigen, was übrig ist. Ist die Zeit um, wird für dich eine
Karte gezogen und dein Zug endet.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Das Ende einer Runde.&lt;/b&gt; Eine Runde endet, wenn ein Spieler seine Hand ausgespielt hat;
er gewinnt den Pott (siehe Punkte). Ist der Ziehstapel leer, endet die Runde ohne Sieger, und
der Pott geht in die nächste Runde über. Nach einer kurzen Pause wird neu gegeben.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Gewinnen.&lt;/b&gt; Der Gastgeber wählt, bis zu welcher Punktzahl gespielt wird. Wer sie als
Erster erreicht hat, wird zu Beginn der nächsten Runde zum Sieger erklärt.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;p&gt;All points are won from the &lt;b&gt;pot&lt;/b&gt;, which the table shows at all times.&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;At the start of every round each playing seat puts &lt;b&gt;1 point&lt;/b&gt; into the pot.&lt;/li&gt;
&lt;li&gt;A player who ends a turn by drawing without having played a card adds &lt;b&gt;1 point&lt;/b&gt;
(this includes a turn ended by the clock).&lt;/li&gt;
&lt;li&gt;When a player plays out the hand, every card still held by the other players is added:
&lt;b&gt;10 points for a king&lt;/b&gt; and &lt;b&gt;1 point for any other card&lt;/b&gt;. The player who went out
then takes the &lt;b&gt;whole pot&lt;/b&gt;, and the pot starts again from nothing.&lt;/li&gt;
&lt;li&gt;If the draw pile runs out, nobody is paid: the pot stays on the table for the next
round, which adds its own stakes to it.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Scores only ever grow during a game. The first player to reach the score the host chose
to play to wins the game.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;An example.&lt;/b&gt; You, Klot and Ann play. The round starts with a pot of 3, one point
from each of you. Klot and Ann both draw once without playing: the pot is 5. On your next
turn you play your last card. Klot still holds a king, a seven and a two: 10 + 1 + 1 = 12
points. Ann holds four cards and no king: 4 points. The pot is 5 + 12 + 4 = &lt;b&gt;21&lt;/b&gt;, and
all 21 points go to your score. The next round starts with an empty pot plus the three new
stakes.&lt;/p&gt;
</source>
        <translation>
&lt;p&gt;Alle Punkte kommen aus dem &lt;b&gt;Pott&lt;/b&gt;, den der Tisch jederzeit zeigt.&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;Zu Beginn jeder Runde zahlt jeder spielende Platz &lt;b&gt;1 Punkt&lt;/b&gt; in den Pott.&lt;/li&gt;
&lt;li&gt;Wer einen Zug durch Ziehen beendet, ohne eine Karte gelegt zu haben, zahlt &lt;b&gt;1 Punkt&lt;/b&gt;
ein (auch wenn die Uhr den Zug beendet hat).&lt;/li&gt;
&lt;li&gt;Spielt ein Spieler seine Hand aus, kommt jede Karte dazu, die die anderen noch halten:
&lt;b&gt;10 Punkte für einen König&lt;/b&gt; und &lt;b&gt;1 Punkt für jede andere Karte&lt;/b&gt;. Wer ausgespielt
hat, nimmt dann den &lt;b&gt;ganzen Pott&lt;/b&gt;, und der Pott beginnt wieder bei null.&lt;/li&gt;
&lt;li&gt;Ist der Ziehstapel leer, bekommt niemand etwas: Der Pott bleibt für die nächste Runde
liegen, die ihre eigenen Einsätze dazulegt.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Punkte wachsen im Lauf eines Spiels nur. Wer als Erster die vom Gastgeber gewählte
Punktzahl erreicht, gewinnt das Spiel.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Ein Beispiel.&lt;/b&gt; Du, Klot und Ann spielen. Die Runde beginnt mit einem Pott von 3, ein
Punkt von jedem. Klot und Ann ziehen je einmal, ohne zu spielen: Der Pott steht bei 5. In
deinem nächsten Zug legst du deine letzte Karte. Klot hält noch einen König, eine Sieben und
eine Zwei: 10 + 1 + 1 = 12 Punkte. Ann hält vier Karten ohne König: 4 Punkte. Der Pott ist
5 + 12 + 4 = &lt;b&gt;21&lt;/b&gt;, und alle 21 Punkte gehen auf dein Konto. Die nächste Runde beginnt mit
leerem Pott plus den drei neuen Einsätzen.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;p&gt;&lt;b&gt;Just Watch&lt;/b&gt; (Options menu). During a game, let the computer player take over your
seat while you watch; choose it again to play once more. The check mark appears when the host has agreed,
and a pair of eyes beside a name shows who is watching. The host can also set or unset just
watch for any seat by right-clicking the player&apos;s name.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Bot Speed&lt;/b&gt; (Options menu). How quickly the computer player moves: &lt;b&gt;Slow&lt;/b&gt; (one
move every two seconds), &lt;b&gt;Normal&lt;/b&gt; (every second) or &lt;b&gt;Fast&lt;/b&gt; (every half second).
The host&apos;s choice is the one that counts.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Bot Level&lt;/b&gt; (Options menu). How well the computer player plays: &lt;b&gt;Classic&lt;/b&gt; takes
the first move that fits; &lt;b&gt;Strong&lt;/b&gt; plans each turn and leaves the next players as little
as it can to play onto. The host&apos;s choice counts for every seat the computer plays, from its
next move on.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Sounds&lt;/b&gt; (Options menu). &lt;b&gt;Play Sounds&lt;/b&gt; turns the game&apos;s sounds on and off.
&lt;b&gt;Player Phrase Sounds&lt;/b&gt; turns the chatter sounds of other players on and off; while it is
off you see a line in the chat instead. &lt;b&gt;Turn Sound&lt;/b&gt; chooses the &lt;b&gt;Classic&lt;/b&gt; or the
&lt;b&gt;New&lt;/b&gt; sound that tells you your turn has begun.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Chat/Action Text&lt;/b&gt; (Options menu). &lt;b&gt;Text Color&lt;/b&gt; picks the colour of your chat
lines as everybody sees them; &lt;b&gt;Text Size&lt;/b&gt; sets the size of all chat text. &lt;b&gt;Scroll
Chat Off&lt;/b&gt; (Ctrl+S) stops the chat from scrolling while you read back; &lt;b&gt;Clear Main
Chat&lt;/b&gt; empties it. Start a line with &lt;b&gt;/me&lt;/b&gt; to show an action: &lt;i&gt;/me waves&lt;/i&gt; shows
your name followed by &lt;i&gt;waves&lt;/i&gt;. Web addresses in the chat can be clicked.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Screen Location&lt;/b&gt; (Options menu). The game remembers where its window was and how big
it was. &lt;b&gt;Reset Screen Location&lt;/b&gt; moves it back to the top left corner at its normal
size.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Phrase Buttons.&lt;/b&gt; The buttons P1 to P9 above the chat send a ready-made phrase to the
table; a button can be used once every 2 seconds. Hold the mouse over a button to see its
phrase. The button with the musical note opens the chatter sounds, which play for everybody
at the table.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Tally List&lt;/b&gt; (View &amp;rsaquo; View Tally). Counts your games and your wins. Tick the
players you want to follow and the tally keeps, for each of them, how many games you played
together and who won, over all time and since you started Tessarine.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Spy List&lt;/b&gt; (View &amp;rsaquo; Spy List). Shows who is watching the table without a seat.
The host can remove a spy from the game by right-clicking the name.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Phrase List&lt;/b&gt; (View &amp;rsaquo; Phrase List). Change the phrases of the nine phrase
buttons. A phrase that starts with &lt;b&gt;/me &lt;/b&gt; is shown as an action. Your phrases are
saved for your next game.&lt;/p&gt;
</source>
        <translation>
&lt;p&gt;&lt;b&gt;Nur zuschauen&lt;/b&gt; (Menü Optionen). Lass während eines Spiels den Computerspieler deinen
Platz übernehmen, während du zuschaust; wähl es noch einmal, um wieder mitzuspielen. Das
Häkchen erscheint, sobald der Gastgeber zugestimmt hat, und ein Augenpaar neben einem Namen
zeigt, wer zuschaut. Der Gastgeber kann das Zuschauen für jeden Platz mit einem Rechtsklick
auf den Namen setzen oder aufheben.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Tempo des Bots&lt;/b&gt; (Menü Optionen). Wie schnell der Computerspieler zieht:
&lt;b&gt;Langsam&lt;/b&gt; (alle zwei Sekunden ein Zug), &lt;b&gt;Normal&lt;/b&gt; (jede Sekunde) oder
&lt;b&gt;Schnell&lt;/b&gt; (jede halbe Sekunde). Es zählt die Wahl des Gastgebers.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Spielstärke des Bots&lt;/b&gt; (Menü Optionen). Wie gut der Computerspieler spielt:
&lt;b&gt;Klassisch&lt;/b&gt; nimmt den ersten Zug, der passt; &lt;b&gt;Stark&lt;/b&gt; plant jeden Zug und lässt den
nächsten Spielern so wenig wie möglich zum Anlegen. Es zählt die Wahl des Gastgebers, für jeden
Platz des Computerspielers, ab seinem nächsten Zug.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Töne&lt;/b&gt; (Menü Optionen). &lt;b&gt;Töne abspielen&lt;/b&gt; schaltet die Töne des Spiels ein und
aus. &lt;b&gt;Töne der Spielersprüche&lt;/b&gt; schaltet die Plaudertöne der anderen Spieler ein und aus;
ist es aus, siehst du stattdessen eine Zeile im Chat. &lt;b&gt;Ton für den Zug&lt;/b&gt; wählt den
&lt;b&gt;klassischen&lt;/b&gt; oder den &lt;b&gt;neuen&lt;/b&gt; Ton, der dir sagt, dass dein Zug begonnen hat.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Chat- und Aktionstext&lt;/b&gt; (Menü Optionen). &lt;b&gt;Textfarbe&lt;/b&gt; wählt die Farbe deiner
Chatzeilen, wie alle sie sehen; &lt;b&gt;Textgröße&lt;/b&gt; stellt die Größe des ganzen Chattextes ein.
&lt;b&gt;Chat nicht rollen&lt;/b&gt; (Strg+S) hält den Chat an, während du zurückliest; &lt;b&gt;Chat
leeren&lt;/b&gt; leert ihn. Beginne eine Zeile mit &lt;b&gt;/me&lt;/b&gt;, um eine Aktion zu zeigen: &lt;i&gt;/me
winkt&lt;/i&gt; zeigt deinen Namen, gefolgt von &lt;i&gt;winkt&lt;/i&gt;. Webadressen im Chat lassen sich
anklicken.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Fensterposition&lt;/b&gt; (Menü Optionen). Das Spiel merkt sich, wo sein Fenster war und wie
groß es war. &lt;b&gt;Fensterposition zurücksetzen&lt;/b&gt; schiebt es in normaler Größe zurück in die
linke obere Ecke.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Sprache&lt;/b&gt; (Menü Optionen). &lt;b&gt;System&lt;/b&gt; folgt der Sprache deines Systems,
&lt;b&gt;English&lt;/b&gt; und &lt;b&gt;Deutsch&lt;/b&gt; wählen eine feste Sprache. Die Sprache wechselt beim
nächsten Start.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Spruchknöpfe.&lt;/b&gt; Die Knöpfe P1 bis P9 über dem Chat schicken einen fertigen Spruch an
den Tisch; ein Knopf geht nur alle 2 Sekunden. Halte die Maus über einen Knopf, um seinen
Spruch zu sehen. Der Knopf mit der Note öffnet die Plaudertöne, die alle am Tisch hören.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Bilanz&lt;/b&gt; (Ansicht &amp;rsaquo; Bilanz anzeigen). Zählt deine Spiele und deine Siege. Hak
die Spieler an, denen du folgen willst, und die Bilanz hält für jeden fest, wie viele Spiele
ihr zusammen gespielt habt und wer gewonnen hat, insgesamt und seit dem Start von
Tessarine.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Zuschauerliste&lt;/b&gt; (Ansicht &amp;rsaquo; Zuschauerliste). Zeigt, wer dem Tisch ohne Platz
zuschaut. Der Gastgeber kann einen Zuschauer mit einem Rechtsklick auf den Namen aus dem
Spiel entfernen.&lt;/p&gt;
&lt;p&gt;&lt;b&gt;Sprüche&lt;/b&gt; (Ansicht &amp;rsaquo; Sprüche). Ändere die Sprüche der neun Spruchknöpfe. Ein
Spruch, der mit &lt;b&gt;/me &lt;/b&gt; beginnt, wird als Aktion gezeigt. Deine Sprüche werden für das
nächste Spiel gespeichert. Die Sprüche gehen so an den Tisch, wie du sie schreibst.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>
&lt;p&gt;&lt;b&gt;Version 1.0.2.0&lt;/b&gt;&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;The turn timer and the DONE button are now visible to all players.&lt;/li&gt;
&lt;li&gt;Fixed a division by zero.&lt;/li&gt;
&lt;li&gt;Removed a stray message.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;&lt;b&gt;Version 1.0.1.0&lt;/b&gt;&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;Added the turn timer.&lt;/li&gt;
&lt;li&gt;Changed the background colour.&lt;/li&gt;
&lt;li&gt;Added the DONE button.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;&lt;b&gt;Version 1.0.0.0&lt;/b&gt;&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;First release.&lt;/li&gt;
&lt;/ul&gt;
</source>
        <translation>
&lt;p&gt;&lt;b&gt;Version 1.0.2.0&lt;/b&gt;&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;Uhr und Knopf FERTIG sind jetzt für alle Spieler sichtbar.&lt;/li&gt;
&lt;li&gt;Eine Division durch null behoben.&lt;/li&gt;
&lt;li&gt;Eine überflüssige Meldung entfernt.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;&lt;b&gt;Version 1.0.1.0&lt;/b&gt;&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;Die Uhr für den Zug hinzugefügt.&lt;/li&gt;
&lt;li&gt;Die Hintergrundfarbe geändert.&lt;/li&gt;
&lt;li&gt;Den Knopf FERTIG hinzugefügt.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;&lt;b&gt;Version 1.0.0.0&lt;/b&gt;&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;Erste Ausgabe.&lt;/li&gt;
&lt;/ul&gt;
</translation>
    </message>
    <message>
        <source>
&lt;p&gt;The &lt;b&gt;Orvane Lobby&lt;/b&gt; is where you meet other players. From the lobby you can see who is
online, chat, and open or join a table of Tessarine and of our other games. The lobby starts
Tessarine for you with everything it needs to host a table or to join one.&lt;/p&gt;
&lt;p&gt;You do not need the lobby to play with others: &lt;b&gt;File &amp;rsaquo; Host a Table&amp;hellip;&lt;/b&gt;
and &lt;b&gt;File &amp;rsaquo; Join a Table&amp;hellip;&lt;/b&gt; open a table for your friends or take you to
theirs (see Connecting). If you want the lobby and do not have it yet, start Tessarine on its
own and choose &lt;b&gt;Download And Install The Orvane Lobby Now&lt;/b&gt;; if it is already installed,
open it from the icon on your desktop or from your desktop&apos;s menu of programs.&lt;/p&gt;
</source>
        <translation>
&lt;p&gt;In der &lt;b&gt;Orvane Lobby&lt;/b&gt; triffst du andere Spieler. Dort siehst du, wer online ist,
kannst chatten und einen Tisch von Tessarine oder unseren anderen Spielen eröffnen oder dich
dazusetzen. Die Lobby startet Tessarine mit allem, was es braucht, um einen Tisch zu
eröffnen oder sich an einen zu setzen.&lt;/p&gt;
&lt;p&gt;Um mit anderen zu spielen, brauchst du die Lobby nicht: &lt;b&gt;Datei &amp;rsaquo; Tisch
eröffnen&amp;hellip;&lt;/b&gt; und &lt;b&gt;Datei &amp;rsaquo; Tisch beitreten&amp;hellip;&lt;/b&gt; öffnen einen Tisch für
deine Freunde oder bringen dich an ihren (siehe Verbinden). Möchtest du die Lobby und hast sie
noch nicht, starte Tessarine für sich allein und wähle &lt;b&gt;Orvane Lobby jetzt herunterladen und
installieren&lt;/b&gt;; ist sie schon installiert, öffne sie über das Symbol auf deinem Desktop oder über das
Programmmenü deines Desktops.&lt;/p&gt;
</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Überblick</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Game Play</source>
        <translation>Spielablauf</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Documentation</source>
        <translation>Dokumentation</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Geschichte</translation>
    </message>
    <message>
        <source>Orvane Lobby</source>
        <translation>Orvane Lobby</translation>
    </message>
    <message>
        <source>
&lt;p&gt;&lt;b&gt;Playing by keyboard.&lt;/b&gt; What you type goes to the chat. Press &lt;b&gt;F6&lt;/b&gt; or &lt;b&gt;Tab&lt;/b&gt; to
take the keyboard from the chat to the table; &lt;b&gt;F6&lt;/b&gt;, &lt;b&gt;Tab&lt;/b&gt;, or &lt;b&gt;Esc&lt;/b&gt; with nothing
selected gives it back to the chat. While the table has the keyboard, nothing you type reaches
the chat, each tab spot and foundation shows its key in a small yellow badge, and a yellow
frame shows what the keys point at (a click on the table hides the frame until the next key).&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Arrow keys&lt;/b&gt;: move the frame over your cards, the tab spots, the foundations and the
draw pile. &lt;b&gt;Home&lt;/b&gt; and &lt;b&gt;End&lt;/b&gt;: your first or your last card.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Space&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt;: the same as a click on what is framed: raise a card (or
lower it again), play the raised card or the selected pile onto a spot, select a pile, or
draw from the pile.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;1&lt;/b&gt; to &lt;b&gt;4&lt;/b&gt;: play onto, or select, the tab spot whose badge shows that number:
below, left of, above and right of the draw pile. &lt;b&gt;Ctrl+1&lt;/b&gt; to &lt;b&gt;Ctrl+4&lt;/b&gt;: play onto
the foundation whose badge shows that key: bottom left, top left, top right and bottom
right.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;S&lt;/b&gt;: sort your cards. &lt;b&gt;D&lt;/b&gt;: draw a card and end your turn.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;H&lt;/b&gt;: a hint during your turn. The frame goes to the card or pile the strong computer
player would play, and a second frame shows where it would go; a frame on the draw pile alone
means it would draw. Nothing is played for you. Help &amp;rsaquo; Hint does the same.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Esc&lt;/b&gt;: close the kings message, lower the raised card, or let go of the selected
pile; with nothing left to let go, back to the chat.&lt;/li&gt;
&lt;/ul&gt;
</source>
        <translation>
&lt;p&gt;&lt;b&gt;Spielen mit der Tastatur.&lt;/b&gt; Was du tippst, geht in den Chat. Drücke &lt;b&gt;F6&lt;/b&gt; oder
&lt;b&gt;Tab&lt;/b&gt;, um die Tastatur vom Chat zum Tisch zu bringen; &lt;b&gt;F6&lt;/b&gt;, &lt;b&gt;Tab&lt;/b&gt; oder &lt;b&gt;Esc&lt;/b&gt;
ohne Auswahl gibt sie dem Chat zurück. Solange der Tisch die Tastatur hat, landet nichts von
dem, was du tippst, im Chat, jeder Tab-Platz und jede Ablage zeigt ihre Taste in einem kleinen
gelben Schild, und ein gelber Rahmen zeigt, worauf die Tasten zeigen (ein Klick auf den Tisch
blendet den Rahmen bis zur nächsten Taste aus).&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Pfeiltasten&lt;/b&gt;: bewegen den Rahmen über deine Karten, die Tab-Plätze, die Ablagen
und den Ziehstapel. &lt;b&gt;Pos1&lt;/b&gt; und &lt;b&gt;Ende&lt;/b&gt;: deine erste oder deine letzte Karte.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Leertaste&lt;/b&gt; oder &lt;b&gt;Eingabe&lt;/b&gt;: wie ein Klick auf das Umrahmte: eine Karte anheben
(oder wieder senken), die angehobene Karte oder den gewählten Stapel auf einen Platz spielen,
einen Stapel wählen oder vom Ziehstapel ziehen.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;1&lt;/b&gt; bis &lt;b&gt;4&lt;/b&gt;: auf den Tab-Platz spielen oder ihn wählen, dessen Schild diese Zahl
zeigt: unter, links von, über und rechts vom Ziehstapel. &lt;b&gt;Strg+1&lt;/b&gt; bis &lt;b&gt;Strg+4&lt;/b&gt;: auf
die Ablage spielen, deren Schild diese Taste zeigt: unten links, oben links, oben rechts und
unten rechts.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;S&lt;/b&gt;: deine Karten sortieren. &lt;b&gt;D&lt;/b&gt;: eine Karte ziehen und den Zug beenden.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;H&lt;/b&gt;: ein Tipp während deines Zugs. Der Rahmen geht zu der Karte oder dem Stapel, die
der starke Computerspieler spielen würde, und ein zweiter Rahmen zeigt, wohin; ein Rahmen nur
um den Ziehstapel heißt, er würde ziehen. Gespielt wird nichts für dich. Hilfe &amp;rsaquo; Tipp
tut dasselbe.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Esc&lt;/b&gt;: die Königsmeldung schließen, die angehobene Karte senken oder den gewählten
Stapel loslassen; ist nichts mehr loszulassen, zurück zum Chat.&lt;/li&gt;
&lt;/ul&gt;
</translation>
    </message>
</context>
<context>
    <name>tess::Invitation</name>
    <message>
        <source>This is not a Tessarine invitation: an invitation begins with tessarine://.</source>
        <translation>Das ist keine Tessarine-Einladung: Eine Einladung beginnt mit tessarine://.</translation>
    </message>
    <message>
        <source>This invitation is refused: it is too long to hold a table&apos;s address.</source>
        <translation>Diese Einladung wird abgelehnt: Sie ist zu lang für die Adresse eines Tisches.</translation>
    </message>
    <message>
        <source>This invitation is refused: it holds no address.</source>
        <translation>Diese Einladung wird abgelehnt: Sie enthält keine Adresse.</translation>
    </message>
    <message>
        <source>This invitation is refused: it holds a path after the address, and an invitation may hold only an address.</source>
        <translation>Diese Einladung wird abgelehnt: Sie enthält nach der Adresse einen Pfad, und eine Einladung darf nur eine Adresse enthalten.</translation>
    </message>
    <message>
        <source>This invitation is refused: it holds a query or a fragment after the address, and an invitation may hold only an address.</source>
        <translation>Diese Einladung wird abgelehnt: Sie enthält nach der Adresse eine Abfrage oder ein Fragment, und eine Einladung darf nur eine Adresse enthalten.</translation>
    </message>
    <message>
        <source>This invitation is refused: it holds user information before the address, and an invitation may hold only an address.</source>
        <translation>Diese Einladung wird abgelehnt: Sie enthält vor der Adresse Benutzerangaben, und eine Einladung darf nur eine Adresse enthalten.</translation>
    </message>
    <message>
        <source>This invitation is refused: it names a port other than the table&apos;s port 7772.</source>
        <translation>Diese Einladung wird abgelehnt: Sie nennt einen anderen Port als den Port 7772 des Tisches.</translation>
    </message>
    <message>
        <source>This invitation is refused: its address is not a host name, an IPv4 address or an IPv6 address in brackets.</source>
        <translation>Diese Einladung wird abgelehnt: Ihre Adresse ist weder ein Rechnername noch eine IPv4-Adresse noch eine IPv6-Adresse in eckigen Klammern.</translation>
    </message>
    <message>
        <source>This invitation is refused: its address is a number that computers read as an address other than it looks.</source>
        <translation>Diese Einladung wird abgelehnt: Ihre Adresse ist eine Zahl, die Rechner als eine andere Adresse lesen, als sie aussieht.</translation>
    </message>
</context>
<context>
    <name>tess::MainMenu</name>
    <message>
        <source>Find Players Online…</source>
        <translation>Spieler online finden…</translation>
    </message>
    <message>
        <source>List This Table Online</source>
        <translation>Diesen Tisch online anzeigen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Play Sounds</source>
        <translation>Töne abspielen</translation>
    </message>
    <message>
        <source>Player Phrase Sounds</source>
        <translation>Töne der Spielersprüche</translation>
    </message>
    <message>
        <source>Turn Sound</source>
        <translation>Ton für den Zug</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Bot Speed</source>
        <translation>Tempo des Bots</translation>
    </message>
    <message>
        <source>Bot Level</source>
        <translation>Spielstärke des Bots</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Stark</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Textgröße</translation>
    </message>
    <message>
        <source>Scroll Chat Off</source>
        <translation>Chat nicht rollen</translation>
    </message>
    <message>
        <source>Clear Main Chat</source>
        <translation>Chat leeren</translation>
    </message>
    <message>
        <source>Reset Screen Location</source>
        <translation>Fensterposition zurücksetzen</translation>
    </message>
    <message>
        <source>Open the port on my router</source>
        <translation>Port am Router öffnen</translation>
    </message>
    <message>
        <source>Just Watch</source>
        <translation>Nur zuschauen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>Die Sprache wechselt beim nächsten Start.</translation>
    </message>
    <message>
        <source>Host a Table…</source>
        <translation>Tisch eröffnen…</translation>
    </message>
    <message>
        <source>Join a Table…</source>
        <translation>Tisch beitreten…</translation>
    </message>
    <message>
        <source>Copy Invitation</source>
        <translation>Einladung kopieren</translation>
    </message>
</context>
<context>
    <name>tess::PhraseBar</name>
    <message>
        <source>&lt;Cancel&gt;</source>
        <translation>&lt;Abbrechen&gt;</translation>
    </message>
    <message>
        <source>Doh</source>
        <translation>Mist</translation>
    </message>
    <message>
        <source>Cough</source>
        <translation>Husten</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Hallo</translation>
    </message>
    <message>
        <source>Thank You</source>
        <translation>Danke</translation>
    </message>
    <message>
        <source>Where have you been?</source>
        <translation>Wo warst du?</translation>
    </message>
    <message>
        <source>Snoring</source>
        <translation>Schnarchen</translation>
    </message>
    <message>
        <source>Sneezing</source>
        <translation>Niesen</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Entschuldigung</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Yeehaa</source>
        <translation>Juhu</translation>
    </message>
    <message>
        <source>Yippee</source>
        <translation>Hurra</translation>
    </message>
    <message>
        <source>Oh No</source>
        <translation>Oh nein</translation>
    </message>
    <message>
        <source>Applause</source>
        <translation>Applaus</translation>
    </message>
    <message>
        <source>Honk</source>
        <translation>Hupe</translation>
    </message>
    <message>
        <source>Oooh</source>
        <translation>Oooh</translation>
    </message>
    <message>
        <source>Razzberry</source>
        <translation>Pfff</translation>
    </message>
    <message>
        <source>Cheer</source>
        <translation>Jubel</translation>
    </message>
    <message>
        <source>Woman Laughing</source>
        <translation>Frau lacht</translation>
    </message>
    <message>
        <source>Man Laughing</source>
        <translation>Mann lacht</translation>
    </message>
    <message>
        <source>Crying</source>
        <translation>Weinen</translation>
    </message>
    <message>
        <source>Chatter Sounds</source>
        <translation>Plaudertöne</translation>
    </message>
    <message>
        <source>: &lt;Chatter Sound&gt; </source>
        <translation>: &lt;Plauderton&gt; </translation>
    </message>
    <message>
        <source>Phrase button %1</source>
        <translation>Spruchknopf %1</translation>
    </message>
    <message>
        <source>Way To Go!</source>
        <translation>Weiter so!</translation>
    </message>
    <message>
        <source>Good One!</source>
        <translation>Guter Zug!</translation>
    </message>
    <message>
        <source>Nice Try!</source>
        <translation>Netter Versuch!</translation>
    </message>
    <message>
        <source>Excellent!</source>
        <translation>Ausgezeichnet!</translation>
    </message>
    <message>
        <source>Brilliant!</source>
        <translation>Brillant!</translation>
    </message>
    <message>
        <source>Wow, WTG!</source>
        <translation>Wow, super!</translation>
    </message>
    <message>
        <source>Thanks!</source>
        <translation>Danke!</translation>
    </message>
    <message>
        <source>Way To Go Teamie!</source>
        <translation>Weiter so, Partner!</translation>
    </message>
    <message>
        <source>Good Game Everyone!</source>
        <translation>Gutes Spiel, alle zusammen!</translation>
    </message>
</context>
<context>
    <name>tess::Pictures</name>
    <message>
        <source>START GAME</source>
        <translation>SPIEL STARTEN</translation>
    </message>
    <message>
        <source>DONE</source>
        <translation>FERTIG</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>NOT PLAYING</source>
        <translation>SPIELT NICHT</translation>
    </message>
    <message>
        <source>WINNER</source>
        <translation>GEWINNER</translation>
    </message>
</context>
<context>
    <name>tess::QuickInstructionsPanel</name>
    <message>
        <source>PLAY WITH FRIENDS: File &gt; Host a Table…, Join a Table… or Find Players Online…</source>
        <translation>MIT FREUNDEN SPIELEN: Datei &gt; Tisch eröffnen…, Tisch beitreten… oder Spieler online finden…</translation>
    </message>
    <message>
        <source>QUICK INSTRUCTIONS</source>
        <translation>KURZANLEITUNG</translation>
    </message>
    <message>
        <source>FOUNDATIONS</source>
        <translation>ABLAGEN</translation>
    </message>
    <message>
        <source>TAB SPOTS</source>
        <translation>TAB-PLÄTZE</translation>
    </message>
    <message>
        <source>DRAW PILE</source>
        <translation>ZIEHSTAPEL</translation>
    </message>
    <message>
        <source>Get rid of your cards by playing them on foundations and tab spots. All cards played must be one lower and opposite color of the top card.</source>
        <translation>Werde deine Karten los, indem du sie auf Ablagen und Tab-Plätze legst. Jede gelegte Karte muss einen Rang niedriger sein und die andere Farbe haben als die oberste Karte.</translation>
    </message>
    <message>
        <source>FOUNDATIONS always start with KINGS. Cards cannot be removed from Foundations. </source>
        <translation>ABLAGEN beginnen immer mit KÖNIGEN. Karten auf Ablagen bleiben dort liegen. </translation>
    </message>
    <message>
        <source>Tab Spots can start with anything and can be moved. When moving TAB SPOTS the whole pile will move. </source>
        <translation>Tab-Plätze beginnen mit beliebigen Karten und lassen sich verschieben. Beim Verschieben eines TAB-PLATZES wandert der ganze Stapel mit. </translation>
    </message>
    <message>
        <source>Your turn ends when you either play all your cards or you draw from the DRAW PILE. </source>
        <translation>Dein Zug endet, wenn du alle Karten ausgespielt oder vom ZIEHSTAPEL gezogen hast. </translation>
    </message>
    <message>
        <source>KEYS: F6 or Tab takes the keyboard to the table and back. Arrows choose, Space or Enter plays; the yellow badges show the keys of tab spots and foundations.</source>
        <translation>TASTEN: F6 oder Tab bringt die Tastatur zum Tisch und zurück. Pfeile wählen, Leertaste oder Eingabe spielt; die gelben Schilder zeigen die Tasten der Tab-Plätze und Ablagen.</translation>
    </message>
    <message>
        <source>S sorts your cards, D draws, H hints, Esc lets go. Help &gt; Content lists every key.</source>
        <translation>S sortiert, D zieht, H gibt einen Tipp, Esc lässt los. Hilfe &gt; Inhalt nennt alle Tasten.</translation>
    </message>
    <message>
        <source>PLAY WITH FRIENDS: File &gt; Host a Table… or File &gt; Join a Table…</source>
        <translation>MIT FREUNDEN SPIELEN: Datei &gt; Tisch eröffnen… oder Datei &gt; Tisch beitreten…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>tess::SeatMenu</name>
    <message>
        <source>Remove From Game</source>
        <translation>Aus dem Spiel entfernen</translation>
    </message>
    <message>
        <source>Set to Just Watch</source>
        <translation>Auf Zuschauen setzen</translation>
    </message>
    <message>
        <source>Unset Just Watch</source>
        <translation>Zuschauen aufheben</translation>
    </message>
</context>
<context>
    <name>tess::ShellPictures</name>
    <message>
        <source>ONLINE PLAY</source>
        <translation>ONLINE SPIELEN</translation>
    </message>
    <message>
        <source>GAMES TO PLAY TOGETHER</source>
        <translation>SPIELE FÜR GEMEINSAME RUNDEN</translation>
    </message>
</context>
<context>
    <name>tess::TableBrowser</name>
    <message>
        <source>Looking for tables on this network…</source>
        <translation>Suche nach Tischen in diesem Netzwerk…</translation>
    </message>
    <message>
        <source>Tables on this network cannot be listed: %1</source>
        <translation>Tische in diesem Netzwerk können nicht aufgelistet werden: %1</translation>
    </message>
    <message>
        <source>Tables on this network cannot be listed: the mDNS responder (avahi-daemon) is not running on this computer.</source>
        <translation>Tische in diesem Netzwerk können nicht aufgelistet werden: Der mDNS-Dienst (avahi-daemon) läuft auf diesem Computer nicht.</translation>
    </message>
    <message>
        <source>Tables on this network cannot be listed: the system message bus (D-Bus) is not running on this computer.</source>
        <translation>Tische in diesem Netzwerk können nicht aufgelistet werden: Der Systembus (D-Bus) läuft auf diesem Computer nicht.</translation>
    </message>
</context>
<context>
    <name>tess::TableReach</name>
    <message>
        <source>This computer has no address on a network: only players on this computer can join.</source>
        <translation>Dieser Computer hat keine Adresse in einem Netzwerk: Nur Spieler auf diesem Computer können beitreten.</translation>
    </message>
    <message>
        <source>Players on this network can join at %1.</source>
        <translation>Spieler in diesem Netzwerk können unter %1 beitreten.</translation>
    </message>
    <message>
        <source>On this network: players can join at [%1].</source>
        <translation>In diesem Netzwerk: Spieler können unter [%1] beitreten.</translation>
    </message>
    <message>
        <source>Your router opened port %1 for this table.</source>
        <translation>Dein Router hat Port %1 für diesen Tisch geöffnet.</translation>
    </message>
    <message>
        <source>Players on the internet can join this table at %1.</source>
        <translation>Spieler im Internet können diesem Tisch unter %1 beitreten.</translation>
    </message>
    <message>
        <source>Your router&apos;s IPv6 firewall lets players in: players with IPv6 can join this table at %1.</source>
        <translation>Die IPv6-Firewall deines Routers lässt Spieler herein: Spieler mit IPv6 können diesem Tisch unter %1 beitreten.</translation>
    </message>
    <message>
        <source>Your router does not filter IPv6: players with IPv6 can join this table at %1 unless this computer&apos;s own firewall keeps them out.</source>
        <translation>Dein Router filtert IPv6 nicht: Spieler mit IPv6 können diesem Tisch unter %1 beitreten, sofern die Firewall dieses Computers sie nicht fernhält.</translation>
    </message>
    <message>
        <source>Your router&apos;s IPv6 firewall lets nobody in from the internet, so players cannot reach this table over IPv6.</source>
        <translation>Die IPv6-Firewall deines Routers lässt niemanden aus dem Internet herein, daher können Spieler diesen Tisch nicht über IPv6 erreichen.</translation>
    </message>
    <message>
        <source>Your router refused to open port %1 for this table in its IPv6 firewall.</source>
        <translation>Dein Router hat es abgelehnt, Port %1 für diesen Tisch in seiner IPv6-Firewall zu öffnen.</translation>
    </message>
    <message>
        <source>Your router did not answer in time when asked to open port %1 for this table in its IPv6 firewall.</source>
        <translation>Dein Router hat nicht rechtzeitig geantwortet, als er Port %1 für diesen Tisch in seiner IPv6-Firewall öffnen sollte.</translation>
    </message>
    <message>
        <source>Your router already forwards port %1 to another computer; it was left as it is, so players on the internet cannot reach this table.</source>
        <translation>Dein Router leitet Port %1 schon an einen anderen Computer weiter; das bleibt so, daher können Spieler im Internet diesen Tisch nicht erreichen.</translation>
    </message>
    <message>
        <source>Your router already forwards port %1 to %2; it was left as it is, so players on the internet cannot reach this table.</source>
        <translation>Dein Router leitet Port %1 schon an %2 weiter; das bleibt so, daher können Spieler im Internet diesen Tisch nicht erreichen.</translation>
    </message>
    <message>
        <source>Your router refused to open port %1 for this table.</source>
        <translation>Dein Router hat es abgelehnt, Port %1 für diesen Tisch zu öffnen.</translation>
    </message>
    <message>
        <source>No router answered (UPnP, NAT-PMP), so port %1 is not open to the internet.</source>
        <translation>Kein Router hat geantwortet (UPnP, NAT-PMP), daher ist Port %1 zum Internet hin nicht offen.</translation>
    </message>
    <message>
        <source>Your router&apos;s internet address %1 belongs to another network behind it: players on the internet probably cannot reach this table.</source>
        <translation>Die Internetadresse deines Routers, %1, gehört zu einem weiteren Netzwerk dahinter: Spieler im Internet können diesen Tisch wahrscheinlich nicht erreichen.</translation>
    </message>
    <message>
        <source>Your router did not open port %1 for this table: it says it is not connected to the internet.</source>
        <translation>Dein Router hat Port %1 für diesen Tisch nicht geöffnet: Er meldet, dass er nicht mit dem Internet verbunden ist.</translation>
    </message>
    <message>
        <source>Your router did not open port %1 for this table: it did not answer in time.</source>
        <translation>Dein Router hat Port %1 für diesen Tisch nicht geöffnet: Er hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>Your router cannot say which computer port %1 goes to, so it was left as it is: players on the internet may not reach this table.</source>
        <translation>Dein Router kann nicht sagen, an welchen Rechner Port %1 geht, deshalb wurde er gelassen, wie er ist: Spieler im Internet erreichen diesen Tisch vielleicht nicht.</translation>
    </message>
</context>
<context>
    <name>tess::TableText</name>
    <message>
        <source>You have started a game.</source>
        <translation>Du hast ein Spiel gestartet.</translation>
    </message>
    <message>
        <source>%1 has started a game.</source>
        <translation>%1 hat ein Spiel gestartet.</translation>
    </message>
    <message>
        <source>You are playing against Klot the bot. Good Luck!</source>
        <translation>Du spielst gegen Klot, den Bot. Viel Glück!</translation>
    </message>
    <message>
        <source>Your Turn. Draw a card to end your turn.</source>
        <translation>Du bist am Zug. Zieh eine Karte, um den Zug zu beenden.</translation>
    </message>
    <message>
        <source>You ended your turn.</source>
        <translation>Du hast deinen Zug beendet.</translation>
    </message>
    <message>
        <source>You used all your cards. +%1 points.</source>
        <translation>Du hast alle Karten ausgespielt. +%1 Punkte.</translation>
    </message>
    <message>
        <source>%1 used all their cards. +%2 points.</source>
        <translation>%1 hat alle Karten ausgespielt. +%2 Punkte.</translation>
    </message>
    <message>
        <source>No Cards Left, Pot will roll over. Please Wait...</source>
        <translation>Keine Karten mehr, der Pott geht weiter. Bitte warten...</translation>
    </message>
    <message>
        <source>You have Won the Game!</source>
        <translation>Du hast das Spiel gewonnen!</translation>
    </message>
    <message>
        <source>%1 has Won the Game!</source>
        <translation>%1 hat das Spiel gewonnen!</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Spiel vorbei!</translation>
    </message>
    <message>
        <source>%1 is just watching</source>
        <translation>%1 schaut nur zu</translation>
    </message>
    <message>
        <source>%1 is now playing again</source>
        <translation>%1 spielt wieder mit</translation>
    </message>
    <message>
        <source>You can play the next round.</source>
        <translation>Du kannst in der nächsten Runde mitspielen.</translation>
    </message>
    <message>
        <source>%1 disconnected.</source>
        <translation>%1 hat die Verbindung getrennt.</translation>
    </message>
    <message>
        <source>Please Wait..</source>
        <translation>Bitte warten..</translation>
    </message>
    <message>
        <source>Kings can only be placed on foundation spots.</source>
        <translation>Könige dürfen nur auf Ablagen gelegt werden.</translation>
    </message>
    <message>
        <source>Kings must be moved to foundation before you can play that card.</source>
        <translation>Erst muss der König auf eine Ablage, dann kannst du diese Karte spielen.</translation>
    </message>
    <message>
        <source>You cannot select that</source>
        <translation>Das kannst du nicht wählen</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>noplay</source>
        <translation>Dieser Zug geht nicht.</translation>
    </message>
    <message>
        <source>match</source>
        <translation>Gleiche Farbe: Die Karte muss die andere Farbe haben.</translation>
    </message>
    <message>
        <source>move king first</source>
        <translation>Zuerst den König auf eine Grundreihe legen.</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Auf ein Ass kommt keine Karte mehr.</translation>
    </message>
    <message>
        <source>Ace 1</source>
        <translation>Auf ein Ass kommt keine Karte mehr.</translation>
    </message>
    <message>
        <source>no card on tab</source>
        <translation>Auf diesem Stapel liegt keine Karte.</translation>
    </message>
    <message>
        <source>filled</source>
        <translation>belegt</translation>
    </message>
    <message>
        <source>Play To Score: %1</source>
        <translation>Spielen bis: %1</translation>
    </message>
    <message>
        <source>Play to Score: %1</source>
        <translation>Spielen bis: %1</translation>
    </message>
    <message>
        <source>Time Per Turn: %1secs</source>
        <translation>Zeit pro Zug: %1 s</translation>
    </message>
    <message>
        <source>TIME:%1</source>
        <translation>ZEIT:%1</translation>
    </message>
    <message>
        <source>%1&apos;s turn.</source>
        <translation>%1 ist am Zug.</translation>
    </message>
    <message>
        <source>%1 ended their turn.</source>
        <translation>%1 hat den Zug beendet.</translation>
    </message>
    <message>
        <source>Cards must be one lower and of the other colour</source>
        <translation>Nur einen Rang tiefer und in der anderen Farbe</translation>
    </message>
    <message>
        <source>Only kings go on an empty foundation</source>
        <translation>Auf eine leere Ablage kommen nur Könige</translation>
    </message>
    <message>
        <source>Kings go on foundations</source>
        <translation>Könige kommen auf Ablagen</translation>
    </message>
    <message>
        <source>It is not your turn</source>
        <translation>Du bist nicht am Zug</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Zeit: %1</translation>
    </message>
    <message>
        <source>Your time ran out. Your turn passes in a moment.</source>
        <translation>Deine Zeit ist abgelaufen. Dein Zug geht gleich weiter.</translation>
    </message>
    <message>
        <source>%1's time ran out. The turn passes in a moment.</source>
        <translation>Die Zeit von %1 ist abgelaufen. Der Zug geht gleich weiter.</translation>
    </message>
    <message>
        <source>Welcome to Tessarine</source>
        <translation>Willkommen bei Tessarine</translation>
    </message>
    <message>
        <source>chats:</source>
        <translation>schreibt:</translation>
    </message>
    <message>
        <source>says:</source>
        <translation>sagt:</translation>
    </message>
    <message>
        <source>chats:</source>
        <comment>after the user&apos;s own name, You</comment>
        <translation>schreibst:</translation>
    </message>
    <message>
        <source>says:</source>
        <comment>after the user&apos;s own name, You</comment>
        <translation>sagst:</translation>
    </message>
</context>
<context>
    <name>tess::Tabout</name>
    <message>
        <source>Tessarine - About</source>
        <translation>Tessarine - Über</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>tess::Tchat</name>
    <message>
        <source>%1 has a different version of the game then you.</source>
        <translation>%1 hat eine andere Version des Spiels als du.</translation>
    </message>
    <message>
        <source>You have a differnt version of the game then the host.</source>
        <translation>Du hast eine andere Version des Spiels als der Gastgeber.</translation>
    </message>
    <message>
        <source>Loading Solo Game..Please wait.</source>
        <translation>Solospiel wird geladen..Bitte warten.</translation>
    </message>
    <message>
        <source>Loading Multi-player Game.. Please Wait.</source>
        <translation>Mehrspielerspiel wird geladen.. Bitte warten.</translation>
    </message>
    <message>
        <source>Host Lookup - Could Not Find Host Entry</source>
        <translation>Namensauflösung - Gastgeber nicht gefunden</translation>
    </message>
    <message>
        <source>You are not connected</source>
        <translation>Du bist nicht verbunden</translation>
    </message>
    <message>
        <source>You are Connected.</source>
        <translation>Du bist verbunden.</translation>
    </message>
    <message>
        <source>%1 is Connected.</source>
        <translation>%1 ist verbunden.</translation>
    </message>
    <message>
        <source>You are spying.</source>
        <translation>Du schaust zu.</translation>
    </message>
    <message>
        <source>%1 is spying.</source>
        <translation>%1 schaut zu.</translation>
    </message>
    <message>
        <source>%1 has left.</source>
        <translation>%1 ist gegangen.</translation>
    </message>
    <message>
        <source>Game is full</source>
        <translation>Das Spiel ist voll</translation>
    </message>
    <message>
        <source>Your settings are not saved, and the defaults are used: </source>
        <translation>Deine Einstellungen werden nicht gespeichert, es gelten die Vorgaben: </translation>
    </message>
    <message>
        <source>Your settings could not be saved: </source>
        <translation>Deine Einstellungen konnten nicht gespeichert werden: </translation>
    </message>
    <message>
        <source>The language changes at the next start.</source>
        <translation>Die Sprache wechselt beim nächsten Start.</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>View Tally</source>
        <translation>Bilanz anzeigen</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Zuschauerliste</translation>
    </message>
    <message>
        <source>Phrase List</source>
        <translation>Sprüche</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Quick Instructions</source>
        <translation>Kurzanleitung</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Maker&apos;s web site</source>
        <translation>Webseite des Herstellers</translation>
    </message>
    <message>
        <source>No computer named %1 was found.</source>
        <translation>Es wurde kein Computer namens %1 gefunden.</translation>
    </message>
    <message>
        <source>This ends your table for everybody at it.</source>
        <translation>Damit endet dein Tisch für alle, die daran sitzen.</translation>
    </message>
    <message>
        <source>This leaves the table you are at.</source>
        <translation>Damit verlässt du den Tisch, an dem du sitzt.</translation>
    </message>
    <message>
        <source>Go On</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Invitation copied: %1 Send it to the players you want at your table.</source>
        <translation>Einladung kopiert: %1 Schick sie den Spielern, die du an deinem Tisch haben möchtest.</translation>
    </message>
    <message>
        <source>Invitation copied: %1 Send it to the players you want at your table. Only players with IPv6 can use it: your router does not forward an IPv4 port to this computer.</source>
        <translation>Einladung kopiert: %1 Schick sie den Spielern, die du an deinem Tisch haben möchtest. Nur Spieler mit IPv6 können sie nutzen: Dein Router leitet keinen IPv4-Port an diesen Rechner weiter.</translation>
    </message>
    <message>
        <source>The table at %1 refused the connection: nobody hosts a table there, or a firewall keeps players out.</source>
        <translation>Der Tisch unter %1 hat die Verbindung abgelehnt: Dort ist kein Tisch eröffnet, oder eine Firewall hält Spieler fern.</translation>
    </message>
    <message>
        <source>The table at %1 cannot be reached: this computer has no route to that address.</source>
        <translation>Der Tisch unter %1 ist nicht erreichbar: Dieser Computer hat keinen Weg zu dieser Adresse.</translation>
    </message>
    <message>
        <source>The table at %1 did not answer within 10 seconds. If a table is hosted there, its host may need to open port 7772 in its firewall.</source>
        <translation>Der Tisch unter %1 hat nicht innerhalb von 10 Sekunden geantwortet. Wenn dort ein Tisch eröffnet ist, muss sein Gastgeber vielleicht Port 7772 in seiner Firewall öffnen.</translation>
    </message>
    <message>
        <source>The table at %1 closed the connection before letting you in.</source>
        <translation>Der Tisch unter %1 hat die Verbindung geschlossen, bevor du dich setzen konntest.</translation>
    </message>
    <message>
        <source>Join a Table…</source>
        <translation>Tisch beitreten…</translation>
    </message>
    <message>
        <source>The connection to the table was lost.</source>
        <translation>Die Verbindung zum Tisch ist abgerissen.</translation>
    </message>
    <message>
        <source>You are no longer at the table.</source>
        <translation>Du sitzt nicht mehr am Tisch.</translation>
    </message>
    <message>
        <source>Port 7772 is taken on this computer, most likely by another copy of Tessarine that hosts a table here; you can join that table instead.</source>
        <translation>Port 7772 ist auf diesem Computer belegt, wahrscheinlich von einem anderen Tessarine, das hier einen Tisch eröffnet hat; du kannst dich stattdessen an diesen Tisch setzen.</translation>
    </message>
    <message>
        <source>Join That Table</source>
        <translation>Diesem Tisch beitreten</translation>
    </message>
    <message>
        <source>Invitation copied: %1 Only players on this network can use it: your router does not forward the table&apos;s port to this computer.</source>
        <translation>Einladung kopiert: %1 Nur Spieler in diesem Netzwerk können sie nutzen: Dein Router leitet den Port des Tisches nicht an diesen Rechner weiter.</translation>
    </message>
    <message>
        <source>Listen - Error Binding Socket</source>
        <translation>Warten auf Spieler - Der Port lässt sich nicht belegen</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>Closing Tessarine ends your table for everybody at it: %1.</source>
        <translation>Wenn du Tessarine schließt, endet dein Tisch für alle daran: %1.</translation>
    </message>
    <message>
        <source>End the Table</source>
        <translation>Tisch beenden</translation>
    </message>
    <message>
        <source>A game is in progress. A new game ends it.</source>
        <translation>Ein Spiel läuft. Ein neues Spiel beendet es.</translation>
    </message>
    <message>
        <source>A game is in progress. A new game ends it for everybody at the table: %1.</source>
        <translation>Ein Spiel läuft. Ein neues Spiel beendet es für alle am Tisch: %1.</translation>
    </message>
    <message>
        <source>Start a New Game</source>
        <translation>Neues Spiel starten</translation>
    </message>
    <message>
        <source>Play Solo</source>
        <translation>Solo spielen</translation>
    </message>
    <message>
        <source>Connect to the online room in the window that opened; your table is listed there once you are in.</source>
        <translation>Verbinde dich im geöffneten Fenster mit dem Online-Raum; dort wird dein Tisch angezeigt, sobald du drin bist.</translation>
    </message>
</context>
<context>
    <name>tess::ConnectingBox</name>
    <message>
        <source>Joining a Table</source>
        <translation>Einem Tisch beitreten</translation>
    </message>
    <message>
        <source>Connecting to the table at %1 (port %2)… %3 s</source>
        <translation>Verbindung zum Tisch unter %1 (Port %2) wird aufgebaut… %3 s</translation>
    </message>
</context>
<context>
    <name>tess::Tdownload</name>
    <message>
        <source>Download The Orvane Lobby</source>
        <translation>Die Orvane Lobby herunterladen</translation>
    </message>
    <message>
        <source>IS CLOSED</source>
        <translation>IST ZU</translation>
    </message>
    <message>
        <source>Download The Orvane Lobby Now to play this  and other exciting games online with other players! </source>
        <translation>Lade jetzt die Orvane Lobby herunter und spiele dieses und andere spannende Spiele online mit anderen! </translation>
    </message>
    <message>
        <source>Download And Install The Orvane Lobby Now</source>
        <translation>Orvane Lobby jetzt herunterladen und installieren</translation>
    </message>
    <message>
        <source>Stop Download</source>
        <translation>Download anhalten</translation>
    </message>
    <message>
        <source>To proceed to the game without the ability to play against others click the button below.</source>
        <translation>Um ohne Mitspieler weiterzuspielen, klicke auf den Knopf unten.</translation>
    </message>
    <message>
        <source>Play Solo Game</source>
        <translation>Solo spielen</translation>
    </message>
    <message>
        <source>Note: Even if you are playing offline, you will need to configure your FIREWALL to allow the game to access the internet components.</source>
        <translation>Hinweis: Auch offline muss deine FIREWALL dem Spiel den Zugriff auf die Netzwerkkomponenten erlauben.</translation>
    </message>
    <message>
        <source>If you already have The Orvane Lobby and you wish to play with others then click the button below to close this game and open The Orvane Lobby.</source>
        <translation>Wenn du die Orvane Lobby schon hast und mit anderen spielen willst, klicke unten: Das Spiel wird geschlossen und die Orvane Lobby geöffnet.</translation>
    </message>
    <message>
        <source>Play with Others</source>
        <translation>Mit anderen spielen</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>Download abgebrochen</translation>
    </message>
    <message>
        <source>Cannot write </source>
        <translation>Kann nicht schreiben: </translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Lädt</translation>
    </message>
    <message>
        <source>Download has been aborted.</source>
        <translation>Der Download wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Downloading: </source>
        <translation>Lädt herunter: </translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> Bytes</translation>
    </message>
    <message>
        <source>Received </source>
        <translation>Empfangen: </translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Wird installiert</translation>
    </message>
    <message>
        <source>An Error has Occurred.</source>
        <translation>Ein Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Please close the game and open the Orvane Lobby using the icon on your desktop or using the your Window&apos;s start-up menu.</source>
        <translation>Bitte schließe das Spiel und öffne die Orvane Lobby über das Symbol auf deinem Desktop oder über dein Startmenü.</translation>
    </message>
    <message>
        <source>Host a Table…</source>
        <translation>Tisch eröffnen…</translation>
    </message>
    <message>
        <source>Join a Table…</source>
        <translation>Tisch beitreten…</translation>
    </message>
    <message>
        <source>The Orvane Lobby is not installed on this computer. To play with others, choose Host a Table… or Join a Table… in this window or in the File menu.</source>
        <translation>Die Orvane Lobby ist auf diesem Computer nicht installiert. Um mit anderen zu spielen, wähle Tisch eröffnen… oder Tisch beitreten… in diesem Fenster oder im Menü Datei.</translation>
    </message>
    <message>
        <source>Tessarine - Start</source>
        <translation>Tessarine - Beginnen</translation>
    </message>
    <message>
        <source>IS OPEN</source>
        <translation>IST OFFEN</translation>
    </message>
    <message>
        <source>The Orvane Lobby is made for Windows only. Here Tessarine seats you at a table with other players by itself.</source>
        <translation>Die Orvane Lobby gibt es nur für Windows. Hier bringt dich Tessarine selbst mit anderen Spielern an einen Tisch.</translation>
    </message>
    <message>
        <source>Find Players Online…</source>
        <translation>Mitspieler online finden…</translation>
    </message>
    <message>
        <source>Meet players on the internet who are looking for a game.</source>
        <translation>Triff Spieler im Internet, die eine Partie suchen.</translation>
    </message>
    <message>
        <source>Play on your own against Klot, the computer player.</source>
        <translation>Spiele allein gegen Klot, den Computerspieler.</translation>
    </message>
    <message>
        <source>A solo game needs no network and no firewall settings.</source>
        <translation>Ein Solospiel braucht kein Netzwerk und keine Firewall-Einstellungen.</translation>
    </message>
    <message>
        <source>Play with friends on your network or over the internet: host a table and invite them, or join the table one of them hosts.</source>
        <translation>Spiele mit Freunden im eigenen Netzwerk oder über das Internet: Eröffne einen Tisch und lade sie ein, oder setz dich an den Tisch, den einer von ihnen eröffnet hat.</translation>
    </message>
</context>
<context>
    <name>tess::Tgamestart</name>
    <message>
        <source>Tessarine - Game Start</source>
        <translation>Tessarine - Spielstart</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Spieloptionen</translation>
    </message>
    <message>
        <source>Play to Score:</source>
        <translation>Spielen bis:</translation>
    </message>
    <message>
        <source>Time Per Turn</source>
        <translation>Zeit pro Zug</translation>
    </message>
    <message>
        <source>secs</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Players at the table</source>
        <translation>Spieler am Tisch</translation>
    </message>
    <message>
        <source>Score %1–%2, %3–%4 secs, %5–%6 players.</source>
        <translation>Punkte %1–%2, %3–%4 Sek., %5–%6 Spieler.</translation>
    </message>
</context>
<context>
    <name>tess::Thelp</name>
    <message>
        <source>Tessarine - Help File</source>
        <translation>Tessarine - Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>tess::Thost</name>
    <message>
        <source>&amp;List this table online</source>
        <translation>Diesen Tisch online &amp;anzeigen</translation>
    </message>
    <message>
        <source>Host a Table</source>
        <translation>Tisch eröffnen</translation>
    </message>
    <message>
        <source>Your table opens on this computer for up to four players and five spectators. Others join it by this computer&apos;s address (port 7772), from the list of tables on their network, or with the invitation you copy from the File menu. The game you are at now ends first.</source>
        <translation>Dein Tisch öffnet sich auf diesem Computer für bis zu vier Spieler und fünf Zuschauer. Andere setzen sich über die Adresse dieses Computers (Port 7772) dazu, über die Liste der Tische in ihrem Netzwerk oder mit der Einladung, die du im Menü Datei kopierst. Das Spiel, an dem du gerade sitzt, endet zuerst.</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Dein &amp;Name:</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>&amp;Host</source>
        <translation>&amp;Eröffnen</translation>
    </message>
    <message>
        <source>Host the table</source>
        <translation>Den Tisch eröffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Type the name the others will see.</source>
        <translation>Gib den Namen ein, den die anderen sehen.</translation>
    </message>
    <message>
        <source>Shows the table in the online room (your name and its players, never its address); a player who asks to join gets the address from your program.</source>
        <translation>Zeigt den Tisch im Online-Raum an (deinen Namen und seine Spieler, nie seine Adresse); ein Spieler, der beitreten möchte, bekommt die Adresse von deinem Programm.</translation>
    </message>
</context>
<context>
    <name>tess::Tjoin</name>
    <message>
        <source>%1 (your table)</source>
        <translation>%1 (dein Tisch)</translation>
    </message>
    <message>
        <source>Find Players &amp;Online…</source>
        <translation>Spieler &amp;online finden…</translation>
    </message>
    <message>
        <source>Find players online</source>
        <translation>Spieler online finden</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>Join a Table</source>
        <translation>Tisch beitreten</translation>
    </message>
    <message>
        <source>Address of the table</source>
        <translation>Adresse des Tisches</translation>
    </message>
    <message>
        <source>A host name, an IPv4 address or an IPv6 address; the list holds the last five tables joined.</source>
        <translation>Ein Rechnername, eine IPv4- oder eine IPv6-Adresse; die Liste enthält die letzten fünf Tische.</translation>
    </message>
    <message>
        <source>host name or address</source>
        <translation>Rechnername oder Adresse</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Dein &amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Beitreten</translation>
    </message>
    <message>
        <source>Join the table</source>
        <translation>Dem Tisch beitreten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Tables on this network:</source>
        <translation>&amp;Tische in diesem Netzwerk:</translation>
    </message>
    <message>
        <source>Tables on this network</source>
        <translation>Tische in diesem Netzwerk</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Gastgeber</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Spectators</source>
        <translation>Zuschauer</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>About the tables on this network</source>
        <translation>Zu den Tischen in diesem Netzwerk</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>spielt</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>No tables found on this network yet.</source>
        <translation>Noch keine Tische in diesem Netzwerk gefunden.</translation>
    </message>
    <message>
        <source>%1 You can still join a table by its address.</source>
        <translation>%1 Über seine Adresse kannst du dich trotzdem an einen Tisch setzen.</translation>
    </message>
    <message>
        <source>Type the name the others will see.</source>
        <translation>Gib den Namen ein, den die anderen sehen.</translation>
    </message>
    <message>
        <source>Type the address of the table, or choose one from the list.</source>
        <translation>Gib die Adresse des Tisches ein oder wähl einen aus der Liste.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host name, an IPv4 address or an IPv6 address.</source>
        <translation>„%1“ ist weder ein Rechnername noch eine IPv4- oder IPv6-Adresse.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a number that computers read as an address other than it looks. Write an IPv4 address as four decimal numbers, such as 192.168.1.20.</source>
        <translation>„%1“ ist eine Zahl, die Rechner als eine andere Adresse lesen, als sie aussieht. Schreib eine IPv4-Adresse als vier Dezimalzahlen, etwa 192.168.1.20.</translation>
    </message>
    <message>
        <source>So many tables are announced on this network that some may be missing from the list. You can still join a table by its address.</source>
        <translation>In diesem Netzwerk werden so viele Tische angekündigt, dass in der Liste einige fehlen können. Über seine Adresse kannst du dich trotzdem an einen Tisch setzen.</translation>
    </message>
</context>
<context>
    <name>tess::Tphrases</name>
    <message>
        <source>Tessarine - Phrase Buttons </source>
        <translation>Tessarine - Spruchknöpfe </translation>
    </message>
    <message>
        <source>Phrase Button %1:</source>
        <translation>Spruchknopf %1:</translation>
    </message>
    <message>
        <source>Buttons can only be used once every 2 seconds</source>
        <translation>Die Knöpfe gehen nur alle 2 Sekunden</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>tess::Tspylist</name>
    <message>
        <source>Remove From Game</source>
        <translation>Aus dem Spiel entfernen</translation>
    </message>
    <message>
        <source>Tessarine - Spys</source>
        <translation>Tessarine - Zuschauer</translation>
    </message>
    <message>
        <source>Spy List</source>
        <translation>Zuschauerliste</translation>
    </message>
</context>
<context>
    <name>tess::Ttallylist</name>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Tessarine - Tally List</source>
        <translation>Tessarine - Bilanz</translation>
    </message>
    <message>
        <source>Your Total Tally</source>
        <translation>Deine Gesamtbilanz</translation>
    </message>
    <message>
        <source>Total Games:</source>
        <translation>Spiele gesamt:</translation>
    </message>
    <message>
        <source>Your Wins</source>
        <translation>Deine Siege</translation>
    </message>
    <message>
        <source>%1&apos;s Tally</source>
        <translation>Bilanz von %1</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>Number of Games</source>
        <translation>Anzahl Spiele</translation>
    </message>
    <message>
        <source>%1 Wins:</source>
        <translation>Siege %1:</translation>
    </message>
    <message>
        <source>Your Wins:</source>
        <translation>Deine Siege:</translation>
    </message>
    <message>
        <source>Neither Won:</source>
        <translation>Keiner gewann:</translation>
    </message>
    <message>
        <source>Players In Current Game</source>
        <translation>Spieler im laufenden Spiel</translation>
    </message>
    <message>
        <source>Players Being Tallied</source>
        <translation>Gezählte Spieler</translation>
    </message>
    <message>
        <source>Reset Tally</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>The tally could not be saved: </source>
        <translation>Die Bilanz konnte nicht gespeichert werden: </translation>
    </message>
    <message>
        <source>This will delete %1&apos;s Tally, Are you want to delete it?</source>
        <translation>Damit wird die Bilanz von %1 gelöscht. Willst du sie löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the Tally?</source>
        <translation>Willst du die Bilanz wirklich zurücksetzen?</translation>
    </message>
</context>
<context>
    <name>tess::UpDown</name>
    <message>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Runter</translation>
    </message>
</context>
<context>
    <name>tess::PasswordStore</name>
    <message>
        <source>The secret store&apos;s library could not be loaded: %1</source>
        <translation>Die Bibliothek des Passwortspeichers ließ sich nicht laden: %1</translation>
    </message>
    <message>
        <source>The secret store&apos;s library %1 lacks a function it should have.</source>
        <translation>Der Bibliothek %1 des Passwortspeichers fehlt eine Funktion, die sie haben sollte.</translation>
    </message>
</context>
<context>
    <name>tess::StropheLibrary</name>
    <message>
        <source>The library for going online could not be loaded: %1</source>
        <translation>Die Bibliothek für das Spielen im Internet ließ sich nicht laden: %1</translation>
    </message>
    <message>
        <source>The library for going online, %1, lacks the function %2.</source>
        <translation>Der Bibliothek für das Spielen im Internet, %1, fehlt die Funktion %2.</translation>
    </message>
</context>
<context>
    <name>OnlineLobby</name>
    <message>
        <source>There is no such room on this server, and it may not be made here; choose another room.</source>
        <translation>Diesen Raum gibt es auf diesem Server nicht, und er darf hier nicht angelegt werden; wähle einen anderen Raum.</translation>
    </message>
    <message>
        <source>The room&apos;s server cannot be reached from this server: there may be no such room. Choose another room.</source>
        <translation>Der Server des Raums ist von diesem Server aus nicht erreichbar: Vielleicht gibt es den Raum nicht. Wähle einen anderen Raum.</translation>
    </message>
    <message>
        <source>The room asks for a password; choose another room.</source>
        <translation>Der Raum verlangt ein Passwort; wähle einen anderen Raum.</translation>
    </message>
    <message>
        <source>The room has banned this name.</source>
        <translation>Der Raum hat diesen Namen gesperrt.</translation>
    </message>
    <message>
        <source>The room lets in its members only; choose another room.</source>
        <translation>Der Raum lässt nur seine Mitglieder herein; wähle einen anderen Raum.</translation>
    </message>
    <message>
        <source>The room is full; try again later or choose another room.</source>
        <translation>Der Raum ist voll; versuche es später noch einmal oder wähle einen anderen Raum.</translation>
    </message>
    <message>
        <source>The room refused to let you in (%1).</source>
        <translation>Der Raum hat dich nicht hereingelassen (%1).</translation>
    </message>
    <message>
        <source>The server closed the connection: %1</source>
        <translation>Der Server hat die Verbindung beendet: %1</translation>
    </message>
    <message>
        <source>The connection to the server was lost.</source>
        <translation>Die Verbindung zum Server ist abgerissen.</translation>
    </message>
    <message>
        <source>Could not reach the server: %1</source>
        <translation>Der Server ist nicht erreichbar: %1</translation>
    </message>
    <message>
        <source>Could not reach the server.</source>
        <translation>Der Server ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be trusted, so nothing was sent to it.</source>
        <translation>Dem Zertifikat des Servers ist nicht zu trauen, daher wurde ihm nichts gesendet.</translation>
    </message>
    <message>
        <source>The server does not allow logging in without an account; use your own account or choose another server.</source>
        <translation>Der Server erlaubt keine Anmeldung ohne Konto; nimm dein eigenes Konto oder wähle einen anderen Server.</translation>
    </message>
    <message>
        <source>The server refused the login: check the account and password.</source>
        <translation>Der Server hat die Anmeldung abgelehnt: Prüfe Konto und Passwort.</translation>
    </message>
    <message>
        <source>The server closed the connection before you were logged in (it may offer no secure connection).</source>
        <translation>Der Server hat die Verbindung beendet, bevor du angemeldet warst (vielleicht bietet er keine sichere Verbindung).</translation>
    </message>
    <message>
        <source>You are no longer in the room (removed by the room or the server).</source>
        <translation>Du bist nicht mehr im Raum (vom Raum oder vom Server entfernt).</translation>
    </message>
    <message>
        <source>In the room %1 as %2.</source>
        <translation>Im Raum %1 als %2.</translation>
    </message>
    <message>
        <source>Your name is taken in the room; choose another.</source>
        <translation>Dein Name ist im Raum schon vergeben; wähle einen anderen.</translation>
    </message>
    <message>
        <source>The host said: %1</source>
        <translation>Der Gastgeber sagt: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the room&apos;s chat came too fast and were not shown.</source>
        <translation>
            <numerusform>%n Zeile des Raum-Chats kam zu schnell und wurde nicht gezeigt.</numerusform>
            <numerusform>%n Zeilen des Raum-Chats kamen zu schnell und wurden nicht gezeigt.</numerusform>
        </translation>
    </message>
    <message>
        <source>The server&apos;s address could not be used.</source>
        <translation>Die Adresse des Servers ist nicht brauchbar.</translation>
    </message>
    <message>
        <source>The server sent more at once than this program keeps (16 MB); the connection was closed.</source>
        <translation>Der Server hat auf einmal mehr gesendet, als dieses Programm aufnimmt (16 MB); die Verbindung wurde beendet.</translation>
    </message>
    <message>
        <source>The server did not answer within %1 seconds.</source>
        <translation>Der Server hat nicht innerhalb von %1 Sekunden geantwortet.</translation>
    </message>
    <message>
        <source>The server stopped answering.</source>
        <translation>Der Server antwortet nicht mehr.</translation>
    </message>
</context>
<context>
    <name>tess::OnlineLobby</name>
    <message numerus="yes">
        <source>%1 Trying again in %n second(s)…</source>
        <translation>
            <numerusform>%1 Neuer Versuch in %n Sekunde…</numerusform>
            <numerusform>%1 Neuer Versuch in %n Sekunden…</numerusform>
        </translation>
    </message>
    <message>
        <source>Connecting to %1 again…</source>
        <translation>Verbinde wieder mit %1…</translation>
    </message>
    <message>
        <source>The host did not answer within %1 seconds.</source>
        <translation>Der Gastgeber hat nicht innerhalb von %1 Sekunden geantwortet.</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Verbinde mit %1…</translation>
    </message>
    <message>
        <source>You left the room.</source>
        <translation>Du hast den Raum verlassen.</translation>
    </message>
    <message>
        <source>You are not in the room.</source>
        <translation>Du bist nicht im Raum.</translation>
    </message>
</context>
<context>
    <name>tess::Tonline</name>
    <message>
        <source>You can choose another server or room above and connect again.</source>
        <translation>Du kannst oben einen anderen Server oder Raum wählen und dich wieder verbinden.</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>spielt</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>Find Players Online</source>
        <translation>Spieler online finden</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>The room sees your name and, when you list a table, its players and state; never your address. A host gives its address only to a player who asks to join.</source>
        <translation>Der Raum sieht deinen Namen und, wenn du einen Tisch anzeigst, dessen Spieler und Stand; nie deine Adresse. Ein Gastgeber gibt seine Adresse nur einem Spieler, der beitreten möchte.</translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop&apos;s secret store: %1</source>
        <translation>Das Passwort ließ sich nicht im Passwortspeicher des Desktops ablegen: %1</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>The XMPP server to log in to without an account.</source>
        <translation>Der XMPP-Server, bei dem du dich ohne Konto anmeldest.</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Raum</translation>
    </message>
    <message>
        <source>The chat room where tables are listed: name@conference.server</source>
        <translation>Der Chatraum, in dem die Tische angezeigt werden: name@conference.server</translation>
    </message>
    <message>
        <source>Your account</source>
        <translation>Dein Konto</translation>
    </message>
    <message>
        <source>empty: log in without an account</source>
        <translation>leer: ohne Konto anmelden</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s secret store, never in a file.</source>
        <translation>Liegt im Passwortspeicher des Desktops, nie in einer Datei.</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Your &amp;name:</source>
        <translation>Dein &amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>&amp;Room:</source>
        <translation>&amp;Raum:</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Konto:</translation>
    </message>
    <message>
        <source>Tables in the room</source>
        <translation>Tische im Raum</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Gastgeber</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Watching</source>
        <translation>Zuschauer</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Beitreten</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Leute</translation>
    </message>
    <message>
        <source>People in the room</source>
        <translation>Leute im Raum</translation>
    </message>
    <message>
        <source>Room chat</source>
        <translation>Chat des Raums</translation>
    </message>
    <message>
        <source>Say in the room</source>
        <translation>Im Raum sagen</translation>
    </message>
    <message>
        <source>Please type your name first.</source>
        <translation>Bitte gib zuerst deinen Namen ein.</translation>
    </message>
    <message>
        <source>The room is written name@server, and a server or an account is needed.</source>
        <translation>Der Raum wird name@server geschrieben, und ein Server oder ein Konto ist nötig.</translation>
    </message>
    <message>
        <source>Choose a table in the list first.</source>
        <translation>Wähle zuerst einen Tisch in der Liste.</translation>
    </message>
    <message>
        <source>Asking %1 for the table&apos;s address…</source>
        <translation>Frage %1 nach der Adresse des Tisches…</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Verlassen</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>People (%1 shown; the room has more)</source>
        <translation>Leute (%1 gezeigt; der Raum hat mehr)</translation>
    </message>
    <message>
        <source>People (%1)</source>
        <translation>Leute (%1)</translation>
    </message>
    <message>
        <source>The room lists more tables than are shown here.</source>
        <translation>Der Raum zeigt mehr Tische an, als hier zu sehen sind.</translation>
    </message>
    <message>
        <source>The desktop&apos;s secret store could not be asked: %1</source>
        <translation>Der Passwortspeicher des Desktops ließ sich nicht fragen: %1</translation>
    </message>
</context>
<context>
    <name>LobbyAddress</name>
    <message>
        <source>The host answered with port %1; tables use port %2.</source>
        <translation>Der Gastgeber hat mit Port %1 geantwortet; Tische nutzen Port %2.</translation>
    </message>
    <message>
        <source>The host answered with %1, which is not an address on the internet.</source>
        <translation>Der Gastgeber hat mit %1 geantwortet, und das ist keine Adresse im Internet.</translation>
    </message>
    <message>
        <source>The host answered with something that is not an address.</source>
        <translation>Der Gastgeber hat mit etwas geantwortet, das keine Adresse ist.</translation>
    </message>
</context>
<context>
    <name>tess::OnlineListing</name>
    <message>
        <source>Your table is no longer listed online.</source>
        <translation>Dein Tisch wird nicht mehr online angezeigt.</translation>
    </message>
    <message>
        <source>This table cannot be reached from the internet: the router has not forwarded port %1 to it (see the lines above). It is listed online once the router does.</source>
        <translation>Dieser Tisch ist aus dem Internet nicht erreichbar: Der Router hat Port %1 nicht an ihn weitergeleitet (siehe die Zeilen oben). Er wird online angezeigt, sobald der Router das tut.</translation>
    </message>
    <message>
        <source>The router no longer forwards port %1 to this table, so it is no longer listed online.</source>
        <translation>Der Router leitet Port %1 nicht mehr an diesen Tisch weiter, daher wird er nicht mehr online angezeigt.</translation>
    </message>
    <message>
        <source>Your table is listed online: the room sees your name and the table&apos;s players, and a player who asks to join gets its address.</source>
        <translation>Dein Tisch wird online angezeigt: Der Raum sieht deinen Namen und die Spieler des Tisches, und ein Spieler, der beitreten möchte, bekommt seine Adresse.</translation>
    </message>
    <message>
        <source>This table cannot be reached from the internet.</source>
        <translation>Dieser Tisch ist aus dem Internet nicht erreichbar.</translation>
    </message>
</context>
</TS>
