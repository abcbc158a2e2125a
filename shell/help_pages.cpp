#include "shell/help_pages.h"

#include <QCoreApplication>

namespace tess {

namespace {

const char* const overview = QT_TRANSLATE_NOOP("tess::HelpPages", R"(
<p><b>Tessarine</b> is a card game for one to four players at one table. It grew out of the
patience games that families used to play together around the kitchen table: instead of
everyone laying out a patience of their own, all players share four tab spots and four
foundations and race to be the first to get rid of their cards.</p>
<p>We wrote it so that the game could be played the way it always was, with friends across
the table, even when the table is the Internet. Play a quick game on your own against our
computer player Klot, or meet other players in the Orvane Lobby.</p>
<p><b>Is there a game you would like to play?</b> We are always looking for good card and
board games to bring online. Send us your suggestions through our web site
<b>www.orvane.com</b> &mdash; the best ideas become our next games.</p>
)");

const char* const online = QT_TRANSLATE_NOOP("tess::HelpPages", R"(
<p><b>Finding players on the internet.</b> Choose <b>File &rsaquo; Find Players
Online&hellip;</b> (also in the join window) and press <b>Connect</b>. Tessarine joins a chat
room on an XMPP server and shows the tables listed there, the people in the room and the
room's chat. Select a table and press <b>Join</b>: your program asks the host for the table's
address, and the host's program answers you alone. To list your own table, tick <b>List this
table online</b> in the host window, or choose <b>File &rsaquo; List This Table Online</b>
while you host. The room sees your name, and for a listed table its players, spectators and
whether it is playing; it never sees your address. A table is listed only while your router
forwards port 7772 to it, and it leaves the list when your table closes.</p>
<p><b>Another server or room.</b> The window's Server and Room fields choose where to meet;
everybody who wants to find each other must use the same room. Without an account Tessarine
logs in anonymously, which many servers do not allow; with your own account (name@server) it
logs in as you. The password is kept in your desktop's password store, never in a file. The
connection is always encrypted. When the link to the server is lost, the window says so and
connects again by itself, a little later each time, and lists your table again; a server that
refuses the login or the room is not asked again: choose another one.</p>
)");

const char* const connecting = QT_TRANSLATE_NOOP("tess::HelpPages", R"(
<p><b>Playing solo.</b> When Tessarine is started on its own it sets up a table on your
computer with you in the first seat and the computer player Klot in the second. Press the
<b>Start</b> button (or File &rsaquo; Start Game) to begin. A solo game can be played
offline, but the game talks to itself over your computer's network components, so your
<b>firewall must allow Tessarine to use the network</b>, even when you are not connected to
the Internet. If the table never says "You are Connected.", check your firewall first.</p>
<p><b>Playing with others.</b> One player hosts the table; the others join it. Up to four
players sit at the table and up to five more may watch as spies. Tables can be hosted and
joined from Tessarine itself, or found and started through the <b>Orvane Lobby</b>.</p>
<p><b>Hosting a table.</b> Choose <b>File &rsaquo; Host a Table&hellip;</b> (or <b>Host a
Table&hellip;</b> in the window shown at a solo start), type the name the others will see and
press <b>Host</b>. Your solo game ends and your table opens. To invite players, choose
<b>File &rsaquo; Copy Invitation</b> and send them the link it copies; it begins with
<b>tessarine://</b>.</p>
<p><b>Finding and joining a table.</b> Choose <b>File &rsaquo; Join a Table&hellip;</b>.
Tables hosted on your own network are listed there: pick one, or type the host's address (a
computer name, an IPv4 or an IPv6 address) or paste an invitation, and press <b>Join</b>.
The last five tables you joined are kept in the address list. An invitation link clicked in
the chat or on your desktop opens the same window, filled in; nothing is joined until you
press Join. If a table cannot be reached, Tessarine says why and offers the window again.</p>
<p><b>Hosting.</b> The computer that hosts the table must accept incoming connections on
<b>TCP port 7772</b>. Allow Tessarine through your firewall, and if you are behind a router,
forward port 7772 to your computer.</p>
<p><b>If the host leaves.</b> The host's computer holds the game. If the host disconnects or
closes the game, all play ends and every player's game closes.</p>
<p>A player who leaves during a round is played by the computer player until the round
ends, so the game goes on for the others, and a new player can take the free seat.</p>
)");

const char* const gamePlay = QT_TRANSLATE_NOOP("tess::HelpPages", R"(
<p><b>The deal.</b> At the start of each round every playing seat puts one point into the
pot. The deck is shuffled, one card is turned face up onto each of the four <b>tab
spots</b>, and every player gets seven cards. The rest of the deck is the face-down
<b>draw pile</b>. The four <b>foundations</b> in the corners start empty. The second seat
always plays: when nobody sits there, the computer player does.</p>
<p><b>Your turn.</b> Players take turns in seat order. On your turn you may make as many
moves as you like and can. Every card played must be <b>one lower</b> than the card it
covers and of the <b>opposite colour</b> (red on black, black on red); the king counts
highest, the ace lowest.</p>
<ul>
<li><b>A card from your hand onto a tab spot.</b> Click the card to raise it, then click the
tab spot. An empty tab spot takes any card but a king: kings can only be placed on
foundation spots. A tab spot whose top card is a king takes nothing: the king must be moved
to a foundation before you can play onto that spot.</li>
<li><b>A whole tab spot onto another.</b> Click a tab spot, then the spot to move it to. The
whole pile moves; its first card must fit on the other spot's top card. Any pile may move
onto an empty tab spot, except a king, which can only go to a foundation.</li>
<li><b>A card onto a foundation.</b> An empty foundation can only be started with a
<b>king</b>. After that each card must be one lower and of the opposite colour. Cards
cannot be taken back from a foundation, and a foundation that has reached its ace is
complete.</li>
<li><b>A whole tab spot onto a foundation.</b> A lone king may start an empty foundation; a
run whose first card fits on the foundation goes onto it all at once.</li>
</ul>
<p><b>Ending your turn.</b> Your turn ends when you <b>draw a card</b> from the draw pile
(click the pile or the DONE button) or when you have <b>played all your cards</b>. If you
draw without having played a card, one point goes into the pot.</p>
<p><b>The clock.</b> Each turn has a time limit, set by the host when the game starts. The
bar and the time below the table show what is left. When the time is up, a card is drawn
for you and your turn ends.</p>
<p><b>The end of a round.</b> A round ends when a player has played out the hand; that player
wins the pot (see Scoring). If the draw pile runs out, the round ends without a winner and
the pot is carried into the next round. The next round is dealt after a short break.</p>
<p><b>Winning.</b> The host chooses the score to play to. The first player whose score has
reached it is declared the winner when the next round would begin.</p>
)");

const char* const keys = QT_TRANSLATE_NOOP("tess::HelpPages", R"(
<p><b>Playing by keyboard.</b> What you type goes to the chat. Press <b>F6</b> or <b>Tab</b> to
take the keyboard from the chat to the table; <b>F6</b>, <b>Tab</b>, or <b>Esc</b> with nothing
selected gives it back to the chat. While the table has the keyboard, nothing you type reaches
the chat, each tab spot and foundation shows its key in a small yellow badge, and a yellow
frame shows what the keys point at (a click on the table hides the frame until the next key).</p>
<ul>
<li><b>Arrow keys</b>: move the frame over your cards, the tab spots, the foundations and the
draw pile. <b>Home</b> and <b>End</b>: your first or your last card.</li>
<li><b>Space</b> or <b>Enter</b>: the same as a click on what is framed: raise a card (or
lower it again), play the raised card or the selected pile onto a spot, select a pile, or
draw from the pile.</li>
<li><b>1</b> to <b>4</b>: play onto, or select, the tab spot whose badge shows that number:
below, left of, above and right of the draw pile. <b>Ctrl+1</b> to <b>Ctrl+4</b>: play onto
the foundation whose badge shows that key: bottom left, top left, top right and bottom
right.</li>
<li><b>S</b>: sort your cards. <b>D</b>: draw a card and end your turn.</li>
<li><b>H</b>: a hint during your turn. The frame goes to the card or pile the strong computer
player would play, and a second frame shows where it would go; a frame on the draw pile alone
means it would draw. Nothing is played for you. Help &rsaquo; Hint does the same.</li>
<li><b>Esc</b>: close the kings message, lower the raised card, or let go of the selected
pile; with nothing left to let go, back to the chat.</li>
</ul>
)");

const char* const scoring = QT_TRANSLATE_NOOP("tess::HelpPages", R"(
<p>All points are won from the <b>pot</b>, which the table shows at all times.</p>
<ul>
<li>At the start of every round each playing seat puts <b>1 point</b> into the pot.</li>
<li>A player who ends a turn by drawing without having played a card adds <b>1 point</b>
(this includes a turn ended by the clock).</li>
<li>When a player plays out the hand, every card still held by the other players is added:
<b>10 points for a king</b> and <b>1 point for any other card</b>. The player who went out
then takes the <b>whole pot</b>, and the pot starts again from nothing.</li>
<li>If the draw pile runs out, nobody is paid: the pot stays on the table for the next
round, which adds its own stakes to it.</li>
</ul>
<p>Scores only ever grow during a game. The first player to reach the score the host chose
to play to wins the game.</p>
<p><b>An example.</b> You, Klot and Ann play. The round starts with a pot of 3, one point
from each of you. Klot and Ann both draw once without playing: the pot is 5. On your next
turn you play your last card. Klot still holds a king, a seven and a two: 10 + 1 + 1 = 12
points. Ann holds four cards and no king: 4 points. The pot is 5 + 12 + 4 = <b>21</b>, and
all 21 points go to your score. The next round starts with an empty pot plus the three new
stakes.</p>
)");

const char* const options = QT_TRANSLATE_NOOP("tess::HelpPages", R"(
<p><b>Just Watch</b> (Options menu). During a game, let the computer player take over your
seat while you watch; choose it again to play once more. The check mark appears when the host has agreed,
and a pair of eyes beside a name shows who is watching. The host can also set or unset just
watch for any seat by right-clicking the player's name.</p>
<p><b>Bot Speed</b> (Options menu). How quickly the computer player moves: <b>Slow</b> (one
move every two seconds), <b>Normal</b> (every second) or <b>Fast</b> (every half second).
The host's choice is the one that counts.</p>
<p><b>Bot Level</b> (Options menu). How well the computer player plays: <b>Classic</b> takes
the first move that fits; <b>Strong</b> plans each turn and leaves the next players as little
as it can to play onto. The host's choice counts for every seat the computer plays, from its
next move on.</p>
<p><b>Sounds</b> (Options menu). <b>Play Sounds</b> turns the game's sounds on and off.
<b>Player Phrase Sounds</b> turns the chatter sounds of other players on and off; while it is
off you see a line in the chat instead. <b>Turn Sound</b> chooses the <b>Classic</b> or the
<b>New</b> sound that tells you your turn has begun.</p>
<p><b>Chat/Action Text</b> (Options menu). <b>Text Color</b> picks the colour of your chat
lines as everybody sees them; <b>Text Size</b> sets the size of all chat text. <b>Scroll
Chat Off</b> (Ctrl+S) stops the chat from scrolling while you read back; <b>Clear Main
Chat</b> empties it. Start a line with <b>/me</b> to show an action: <i>/me waves</i> shows
your name followed by <i>waves</i>. Web addresses in the chat can be clicked.</p>
<p><b>Screen Location</b> (Options menu). The game remembers where its window was and how big
it was. <b>Reset Screen Location</b> moves it back to the top left corner at its normal
size.</p>
<p><b>Phrase Buttons.</b> The buttons P1 to P9 above the chat send a ready-made phrase to the
table; a button can be used once every 2 seconds. Hold the mouse over a button to see its
phrase. The button with the musical note opens the chatter sounds, which play for everybody
at the table.</p>
<p><b>Tally List</b> (View &rsaquo; View Tally). Counts your games and your wins. Tick the
players you want to follow and the tally keeps, for each of them, how many games you played
together and who won, over all time and since you started Tessarine.</p>
<p><b>Spy List</b> (View &rsaquo; Spy List). Shows who is watching the table without a seat.
The host can remove a spy from the game by right-clicking the name.</p>
<p><b>Phrase List</b> (View &rsaquo; Phrase List). Change the phrases of the nine phrase
buttons. A phrase that starts with <b>/me </b> is shown as an action. Your phrases are
saved for your next game.</p>
)");

const char* const history = QT_TRANSLATE_NOOP("tess::HelpPages", R"(
<p><b>Version 1.0.2.0</b></p>
<ul>
<li>The turn timer and the DONE button are now visible to all players.</li>
<li>Fixed a division by zero.</li>
<li>Removed a stray message.</li>
</ul>
<p><b>Version 1.0.1.0</b></p>
<ul>
<li>Added the turn timer.</li>
<li>Changed the background colour.</li>
<li>Added the DONE button.</li>
</ul>
<p><b>Version 1.0.0.0</b></p>
<ul>
<li>First release.</li>
</ul>
)");

const char* const lobby = QT_TRANSLATE_NOOP("tess::HelpPages", R"(
<p>The <b>Orvane Lobby</b> is where you meet other players. From the lobby you can see who is
online, chat, and open or join a table of Tessarine and of our other games. The lobby starts
Tessarine for you with everything it needs to host a table or to join one.</p>
<p>You do not need the lobby to play with others: <b>File &rsaquo; Host a Table&hellip;</b>
and <b>File &rsaquo; Join a Table&hellip;</b> open a table for your friends or take you to
theirs (see Connecting). If you want the lobby and do not have it yet, start Tessarine on its
own and choose <b>Download And Install The Orvane Lobby Now</b>; if it is already installed,
open it from the icon on your desktop or from your desktop's menu of programs.</p>
)");

// Help texts are read in the user's language the first time the help is built.
QString page(const char* text) { return QCoreApplication::translate("tess::HelpPages", text); }

}  // namespace

const std::vector<HelpPage>& helpPages() {
    // Made again only when the language changed since they were made.
    static QString madeFor;
    static std::vector<HelpPage> pages;
    const QString language = page(QT_TRANSLATE_NOOP("tess::HelpPages", "Overview"));
    if (!pages.empty() && language == madeFor) return pages;
    madeFor = language;
    pages = {
        {page(QT_TRANSLATE_NOOP("tess::HelpPages", "Overview")),
         page(QT_TRANSLATE_NOOP("tess::HelpPages", "Overview")), page(overview)},
        {page(QT_TRANSLATE_NOOP("tess::HelpPages", "Connecting")),
         page(QT_TRANSLATE_NOOP("tess::HelpPages", "Connecting")), page(connecting) + page(online)},
        {page(QT_TRANSLATE_NOOP("tess::HelpPages", "Game Play")),
         page(QT_TRANSLATE_NOOP("tess::HelpPages", "Game Play")), page(gamePlay) + page(keys)},
        {page(QT_TRANSLATE_NOOP("tess::HelpPages", "Scoring")),
         page(QT_TRANSLATE_NOOP("tess::HelpPages", "Scoring")), page(scoring)},
        {page(QT_TRANSLATE_NOOP("tess::HelpPages", "Options")),
         page(QT_TRANSLATE_NOOP("tess::HelpPages", "Options")), page(options)},
        {page(QT_TRANSLATE_NOOP("tess::HelpPages", "Documentation")),
         page(QT_TRANSLATE_NOOP("tess::HelpPages", "History")), page(history)},
        {page(QT_TRANSLATE_NOOP("tess::HelpPages", "Orvane Lobby")),
         page(QT_TRANSLATE_NOOP("tess::HelpPages", "Orvane Lobby")), page(lobby)},
    };
    return pages;
}

}  // namespace tess
