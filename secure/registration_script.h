// The component's registration script: a small text resource that names the registry keys and
// values self-registration writes under the classes root, and which of them unregistration
// removes. Its form:
//
//   HKCR
//   {
//       NoRemove CLSID
//       {
//           ForceRemove {GUID} = s 'Description'
//           {
//               InprocServer32 = s '%MODULE%'
//               {
//                   val ThreadingModel = s 'Both'
//               }
//           }
//       }
//   }
//
// A key may carry a default value (= s '...'), and values (val Name = s '...'). Keys marked
// NoRemove are shared and never removed; every other key of the script is removed with its
// whole subtree. %NAME% in a text is replaced from the substitutions.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kivet::secure {

struct ScriptValue {
    std::string key;  // full path below the classes root
    std::string name; // empty: the key's default value
    std::string data;
};

struct RegistrationPlan {
    std::vector<std::string> keys;          // every key of the script, parents first
    std::vector<ScriptValue> values;        // in script order
    std::vector<std::string> removableKeys; // keys unregistration removes (topmost removable ones)
};

struct ScriptError {
    std::size_t line = 0;
    std::string message;
};

// Parses the script; false with `error` filled when the text does not follow the form above.
bool ParseRegistrationScript(std::string_view script, const std::map<std::string, std::string>& substitutions,
                             RegistrationPlan& plan, ScriptError& error);

} // namespace kivet::secure
