#pragma once

#include <QString>

// The names of the scenes in the shipped scene table are English words; the
// interface shows them in its own language. Plans, records and the scene
// table keep the table's own text, so a plan opens in either language; a
// scene that a user imported is shown as it was typed.
namespace SceneNames {

// The name to show for the scene `name` (as the scene table writes it): a
// shipped scene's translation in the context "SceneNames", any other name
// unchanged.
QString displayName(const QString &name);

} // namespace SceneNames
