// Menu entries and the settings reader whose work has not been built yet:
// they do nothing, so that the rest of the window can be used meanwhile.
#include "ui/frm_splitter.h"

void frmSplitter::mnuLoadINI_Click() {}
void frmSplitter::mnuSaveINI_Click() {}
void frmSplitter::mnuCreate_Click(short) {}
void frmSplitter::mnuLoadExporer_Click() {}
void frmSplitter::mnuContents_Click() {}
void frmSplitter::mnuAbout_Click() {}
void frmSplitter::readSettingsAtStartUp(const std::string&) {}
