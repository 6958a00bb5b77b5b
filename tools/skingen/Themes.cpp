// The list of themes the generator builds.
#include "tools/skingen/SkinTheme.h"

namespace pelorin::skingen {

const std::vector<TSkinTheme>& AllThemes() {
  static const std::vector<TSkinTheme> themes = {SlateTheme(), HarborTheme(), EmberTheme(), MeadowTheme(), GraphiteTheme(), PlainTheme()};
  return themes;
}

}  // namespace pelorin::skingen
