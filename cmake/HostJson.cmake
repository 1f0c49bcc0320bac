# SPDX-FileCopyrightText: 2026 Veskaro
# SPDX-License-Identifier: MIT
# nlohmann-json is headers alone, so the host's copy serves a cross build. Its
# own directory holds every other host header too, which must stay out of a
# MinGW compile: the target sees the json headers through a link of their own.
find_package(nlohmann_json 3 REQUIRED NO_CMAKE_FIND_ROOT_PATH)
get_target_property(json_include nlohmann_json::nlohmann_json INTERFACE_INCLUDE_DIRECTORIES)
list(GET json_include 0 json_include)
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/json-include)
file(CREATE_LINK ${json_include}/nlohmann ${PROJECT_BINARY_DIR}/json-include/nlohmann SYMBOLIC)
set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
  INTERFACE_INCLUDE_DIRECTORIES ${PROJECT_BINARY_DIR}/json-include)
