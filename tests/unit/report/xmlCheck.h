#pragma once
// Test helper: a small well-formedness check of XML text (elements nest and
// close, attributes are quoted and unique, every & starts a known entity or a
// character reference, no stray < or control characters).

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

namespace xmlcheck {

inline bool isNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_' || c == ':' || c == '.';
}

/// Checks the character data or attribute value; returns an error or "".
inline std::string checkText(std::string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') return "control character in text";
    if (c == '<') return "stray < in text";
    if (c != '&') continue;
    size_t end = text.find(';', i);
    if (end == std::string_view::npos) return "unterminated entity";
    std::string_view entity = text.substr(i + 1, end - i - 1);
    bool known = entity == "amp" || entity == "lt" || entity == "gt" || entity == "quot" || entity == "apos";
    bool numeric = entity.size() > 1 && entity[0] == '#' &&
                   entity.substr(1).find_first_not_of("0123456789") == std::string_view::npos;
    if (!known && !numeric) return "unknown entity &" + std::string(entity) + ";";
  }
  return "";
}

}  // namespace xmlcheck

/// "" when `xml` is a well-formed document with one root element, else what
/// is wrong and where.
inline std::string xmlProblem(std::string_view xml) {
  using namespace xmlcheck;
  std::vector<std::string> open;
  bool rootSeen = false;
  size_t i = 0;
  auto fail = [&](const std::string& what) { return what + " at offset " + std::to_string(i); };
  while (i < xml.size()) {
    size_t lt = xml.find('<', i);
    std::string problem = checkText(xml.substr(i, lt == std::string_view::npos ? xml.npos : lt - i));
    if (!problem.empty()) return fail(problem);
    if (lt == std::string_view::npos) break;
    if (open.empty() && rootSeen && xml.substr(i, lt - i).find_first_not_of(" \t\r\n") != xml.npos) {
      return fail("text after the root element");
    }
    i = lt;
    if (xml.substr(i, 4) == "<!--") {
      size_t end = xml.find("-->", i + 4);
      if (end == std::string_view::npos) return fail("unterminated comment");
      i = end + 3;
      continue;
    }
    if (xml.substr(i, 2) == "<?" || xml.substr(i, 2) == "<!") {
      size_t end = xml.find('>', i);
      if (end == std::string_view::npos) return fail("unterminated declaration");
      i = end + 1;
      continue;
    }
    bool closing = xml.substr(i, 2) == "</";
    size_t p = i + (closing ? 2 : 1);
    size_t nameStart = p;
    while (p < xml.size() && isNameChar(xml[p])) ++p;
    std::string name(xml.substr(nameStart, p - nameStart));
    if (name.empty()) return fail("element without a name");
    if (closing) {
      while (p < xml.size() && xml[p] == ' ') ++p;
      if (p >= xml.size() || xml[p] != '>') return fail("bad closing tag");
      if (open.empty() || open.back() != name) return fail("</" + name + "> closes nothing open");
      open.pop_back();
      i = p + 1;
      continue;
    }
    if (open.empty() && rootSeen) return fail("second root element");
    std::set<std::string> attributes;
    for (;;) {
      while (p < xml.size() && (xml[p] == ' ' || xml[p] == '\n' || xml[p] == '\t')) ++p;
      if (p >= xml.size()) return fail("unterminated tag");
      if (xml[p] == '>' || xml.substr(p, 2) == "/>") break;
      size_t attrStart = p;
      while (p < xml.size() && isNameChar(xml[p])) ++p;
      std::string attribute(xml.substr(attrStart, p - attrStart));
      if (attribute.empty() || p + 1 >= xml.size() || xml[p] != '=' || (xml[p + 1] != '"' && xml[p + 1] != '\'')) {
        return fail("bad attribute in <" + name + ">");
      }
      if (!attributes.insert(attribute).second) return fail("repeated attribute " + attribute);
      char quote = xml[p + 1];
      size_t end = xml.find(quote, p + 2);
      if (end == std::string_view::npos) return fail("unterminated attribute value");
      problem = checkText(xml.substr(p + 2, end - p - 2));
      if (!problem.empty()) return fail(problem + " of attribute " + attribute);
      p = end + 1;
      if (p < xml.size() && xml[p] != ' ' && xml[p] != '\n' && xml[p] != '>' && xml[p] != '/') {
        return fail("attributes not separated");
      }
    }
    rootSeen = true;
    if (xml[p] == '>') {
      open.push_back(name);
      i = p + 1;
    } else {
      i = p + 2;
    }
  }
  if (!open.empty()) return "<" + open.back() + "> never closed";
  if (!rootSeen) return "no root element";
  return "";
}

}  // namespace tolvane
