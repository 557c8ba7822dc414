#pragma once

#include <string>
#include <vector>

namespace tallo::db {

// The files of a database folder that loading it reads: Country1.sav to Country206.sav,
// Rules.sav, Without.sav, the installation's country list countries.sav (when the folder is an
// installation's own database folder) and the comment file Database.txt. A command that
// writes a file the user named refuses to write over one of these.
std::vector<std::string> DatabaseFiles(const std::string& databaseFolder);

} // namespace tallo::db
