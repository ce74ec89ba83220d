// Decodes an Ogg Vorbis file to float samples through libvorbisfile, for checking encoded sound.
#pragma once

#include <vorbis/vorbisfile.h>

#include <string>
#include <vector>

struct DecodedOgg {
    bool opened = false;
    int channels = 0;
    long rate = 0;
    std::vector<float> left;
    std::vector<float> right; // the left samples again for a mono file
};

inline DecodedOgg DecodeOggFile(const std::string& path)
{
    DecodedOgg decoded;
    OggVorbis_File file;
    if (ov_fopen(path.c_str(), &file) != 0)
        return decoded;
    decoded.opened = true;
    const vorbis_info* info = ov_info(&file, -1);
    decoded.channels = info->channels;
    decoded.rate = info->rate;
    const int rightChannel = decoded.channels > 1 ? 1 : 0;
    int section = 0;
    for (;;) {
        float** pcm = nullptr;
        const long frames = ov_read_float(&file, &pcm, 4096, &section);
        if (frames <= 0)
            break;
        decoded.left.insert(decoded.left.end(), pcm[0], pcm[0] + frames);
        decoded.right.insert(decoded.right.end(), pcm[rightChannel], pcm[rightChannel] + frames);
    }
    ov_clear(&file);
    return decoded;
}
