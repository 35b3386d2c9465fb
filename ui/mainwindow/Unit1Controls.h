#pragma once

// The controls of the main window Form1, by the names its handlers use: the four pages, the
// menus and their commands, the dialogs' settings and the clock. TForm1 builds them
// (Unit1Layout.cpp, Unit1PagesLayout.cpp); the window tests drive them by these names.

#include "ui/support/Prompts.h"

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QTimer;
class QWidget;

namespace kerolt {

class PageControl;

// Page indices of PageControl1; a page keeps its index whether its tab is shown or not.
enum PageIndex : int { DataInputPage = 0, LogInputPage = 1, CabrilloLogPage = 2, MultListPage = 3 };

// Status bar panels, left to right.
enum PanelIndex : int {
    FilePanel = 0,
    CallPanel = 1,
    AutoSavePanel = 2,
    RealtimePanel = 3,
    EntityPanel = 4
};

struct TForm1Controls {
    PageControl* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;  // "Data input"
    QWidget* TabSheet2 = nullptr;  // "Log input"
    QWidget* TabSheet3 = nullptr;  // "Cabrillo log"
    QWidget* TabSheet5 = nullptr;  // "Mult List"

    // Station page.
    QLineEdit* CallEdit = nullptr;
    QLineEdit* OperatorsEdit = nullptr;
    QLineEdit* NameEdit = nullptr;
    QLineEdit* AdrEdit1 = nullptr;
    QLineEdit* AdrEdit2 = nullptr;
    QLineEdit* AdrEdit3 = nullptr;
    QLineEdit* EmailEdit = nullptr;
    QLineEdit* ClubEdit = nullptr;
    QFrame* ScandPanel = nullptr;
    QLabel* Label12 = nullptr;
    QComboBox* ContestBox = nullptr;
    QComboBox* AssistedComboBox = nullptr;
    QComboBox* BandComboBox = nullptr;
    QComboBox* OperatorComboBox = nullptr;
    QComboBox* TransmitterComboBox = nullptr;
    QComboBox* PowerComboBox = nullptr;
    QComboBox* StationComboBox = nullptr;
    QComboBox* OverlayComboBox = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QLineEdit* ClamedScoreEdit = nullptr;

    // Log input page.
    QComboBox* FrekvensEdit = nullptr;
    QLineEdit* TimeEdit = nullptr;
    QLineEdit* TREdit = nullptr;
    QLineEdit* NyNrEdit = nullptr;
    QLineEdit* CallWkdInput = nullptr;
    QLineEdit* RREdit = nullptr;
    QLineEdit* NrInput = nullptr;
    QTableView* SG = nullptr;
    QLabel* MyCall = nullptr;
    QLabel* DateLabel = nullptr;
    QPlainTextEdit* ResList = nullptr;
    QPushButton* Button2 = nullptr;  // "Sent"
    QPushButton* Button1 = nullptr;  // "Received"

    // Cabrillo log page.
    QListWidget* CabrilloLog = nullptr;
    QLabel* CheckSummary = nullptr;  // the log check's count of problems and notes

    // Mult list page, one list per band.
    QListWidget* List80 = nullptr;
    QListWidget* List40 = nullptr;
    QListWidget* List20 = nullptr;
    QListWidget* List15 = nullptr;
    QListWidget* List10 = nullptr;

    // Menus and commands.
    QAction* New1 = nullptr;
    QAction* Open1 = nullptr;
    QAction* Save1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* Realtime1 = nullptr;
    QAction* AutoSave1 = nullptr;
    QAction* Check1 = nullptr;
    QAction* HowTo1 = nullptr;
    QAction* About1 = nullptr;
    QAction* MenuKey1 = nullptr;  // F10: into the menu bar
    QMenu* PopupMenu1 = nullptr;  // of the grid SG
    QAction* Deletelastrow1 = nullptr;
    QMenu* PopupMenu2 = nullptr;  // of the "Mult List" page
    QAction* SaveMultList1 = nullptr;

    FileDialogSettings OpenDialog1;
    FileDialogSettings SaveDialog1;
    FileDialogSettings SaveDialog2;

    QTimer* Timer1 = nullptr;
};

}  // namespace kerolt
