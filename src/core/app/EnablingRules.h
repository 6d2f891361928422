#pragma once

namespace linealidad {

// The events of the study's life after which commands are switched on or off.
enum class StudyEvent {
    AtStart,               // the program starts
    New,                   // "&Nuevo" created a study window
    OpenDone,              // "&Abrir..." (or a table import) read a study into a new window
    DataGridEntered,       // the focus entered the data grid
    KeyInDataGrid,         // a character was typed in the data grid
    KeyInLastDataCell,     // ... in its last cell (the previous column applies too)
    ClosedByCerrar,        // the study window was closed by "C&errar"
    StudyWindowCloses,     // the study window closes, by any means
    LastChildWindowCloses, // the only child window left closes
};

// The commands that are switched together.
enum class CommandGroup {
    New,               // "&Nuevo" and its button
    Open,              // "&Abrir..." and its button
    Close,             // "C&errar" and its button
    Save,              // "&Guardar", its button, "Guardar &como..."
    Print,             // "&Imprimir...", its items and buttons
    CalculationsMenu,  // the "&Cálculos" menu itself: never switched off once on
    Inference,         // "&Inferencia"
    OtherCalculations, // the other items of "&Cálculos"
    PopupItems,        // the pop-up items of the study window
    Windows,           // "&Mosaico", "&Cascada" and their buttons
    Always,            // "&Salir", help, "&Acerca...": always on
};

enum class Change { Unchanged, Enable, Disable };

// What `event` does to the commands of `group`.
Change changeFor(CommandGroup group, StudyEvent event);

} // namespace linealidad
