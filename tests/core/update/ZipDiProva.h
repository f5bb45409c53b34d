#pragma once
// Zip archives for the tests of the program update, written with libzip:
// each entry with its name exactly as given and its Unix mode.

#include <zip.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct VoceZip {
    std::string nome;
    std::string contenuto;
    std::uint32_t modo = 0100644;
};

inline void ScriviZip(const std::filesystem::path& file, const std::vector<VoceZip>& voci) {
    std::filesystem::create_directories(file.parent_path());
    int errore = 0;
    zip_t* z = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &errore);
    for (const VoceZip& v : voci) {
        const zip_int64_t indice =
            v.nome.ends_with('/')
                ? zip_dir_add(z, v.nome.c_str(), ZIP_FL_ENC_UTF_8)
                : zip_file_add(z, v.nome.c_str(), zip_source_buffer(z, v.contenuto.data(), v.contenuto.size(), 0),
                               ZIP_FL_ENC_UTF_8);
        zip_file_set_external_attributes(z, static_cast<zip_uint64_t>(indice), 0, ZIP_OPSYS_UNIX, v.modo << 16);
    }
    zip_close(z);
}
