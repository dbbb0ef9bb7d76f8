#pragma once

// A scripted unit, a host window and a link wired together on a FakePort.

#include "FakePort.h"

#include "link/DeviceLink.h"
#include "model/ValueLimits.h"

#include <cstring>
#include <functional>
#include <string_view>

namespace korvane::link::test {

inline void SealFrame(Frame &frame) { frame[FrameSize - 1] = CheckByte(frame); }

inline std::vector<std::uint8_t> Bytes(const Frame &frame) { return {frame.begin(), frame.end()}; }

inline Frame MakeMonitorFrame(std::uint16_t savingCountdown, std::uint16_t rpm = 0)
{
    Frame frame{};
    frame[0] = MonitorByte;
    frame[1] = static_cast<std::uint8_t>(rpm & 0xFF);
    frame[2] = static_cast<std::uint8_t>(rpm >> 8);
    frame[95] = static_cast<std::uint8_t>(savingCountdown & 0xFF);
    frame[96] = static_cast<std::uint8_t>(savingCountdown >> 8);
    frame[100] = model::SupportedLayoutVersion;
    SealFrame(frame);
    return frame;
}

inline Frame MakeResponse(std::uint8_t blockByte, std::span<const std::uint8_t, model::BlockSize> data)
{
    Frame frame{};
    frame[0] = static_cast<std::uint8_t>(blockByte | AnswerBit);
    std::copy(data.begin(), data.end(), frame.begin() + 1);
    SealFrame(frame);
    return frame;
}

inline void WriteHeader(model::ConfigImage &image, std::string_view name, std::uint8_t number)
{
    std::memcpy(image.bytes.data(), name.data(), std::min<std::size_t>(name.size(), 3));
    image[model::Offset::FirmwareNumber] = number;
    image[model::Offset::BuildDay] = 7;
    image[model::Offset::BuildMonthCode] = 3;
    image[model::Offset::BuildYear] = 5;
    image[model::Offset::BuildHour] = 9;
    image[model::Offset::BuildMinute] = 5;
    image[model::Offset::LayoutVersion] = model::SupportedLayoutVersion;
}

// A legal parameter set whose blocks all differ from one another, so a block
// taken for its neighbour shows.
inline model::ConfigImage UnitImage()
{
    model::ConfigImage image;
    for (std::size_t j = model::BlockSize; j < model::ImageSize; ++j) {
        image[j] = static_cast<std::uint8_t>((j * 7 + j / 100 * 13 + 3) % 61);
    }
    WriteHeader(image, "UNT", 42);
    model::NormaliseImage(image);
    return image;
}

// The unit's side of the protocol: answers reads, verifies, program blocks and polls.
class FakeUnit {
public:
    enum class Answer { AtOnce, Late, Never, Corrupt, WrongEcho, AlteredData };

    model::ConfigImage memory = UnitImage();
    std::uint16_t savingCountdown = 0;
    std::uint64_t lateTicks = 5;
    // Chooses how the unit treats each request; all answered at once by default.
    std::function<Answer(const Frame &request)> behaviour = [](const Frame &) { return Answer::AtOnce; };

    explicit FakeUnit(FakePort &port) : m_port(port)
    {
        port.onWrite = [this](const Frame &request) { onRequest(request); };
    }

private:
    void onRequest(const Frame &request)
    {
        if (!FrameCheckOk(request)) {
            return;
        }
        const Answer answer = behaviour(request);
        if (answer == Answer::Never) {
            return;
        }
        Frame reply{};
        const std::uint8_t code = request[0];
        const std::size_t block = code & 0x3F;
        if (code == PollByte) {
            reply = MakeMonitorFrame(savingCountdown);
        } else if (code >= ReadBase && block < model::BlockCount) {
            reply = MakeResponse(code, memory.block(block));
        } else if (code < model::BlockCount) {
            if (block > 0) {
                std::copy_n(request.begin() + 1, model::BlockSize, memory.block(block).begin());
            }
            reply = MakeResponse(code, memory.block(block));
        } else {
            return;
        }
        switch (answer) {
        case Answer::Corrupt:
            reply[FrameSize - 1] ^= 0x01;
            break;
        case Answer::WrongEcho:
            reply[0] = static_cast<std::uint8_t>(reply[0] - 1);
            SealFrame(reply);
            break;
        case Answer::AlteredData:
            reply[50] ^= 0x01;
            SealFrame(reply);
            break;
        default:
            break;
        }
        m_port.answerAfter(answer == Answer::Late ? lateTicks : 0, Bytes(reply));
    }

    FakePort &m_port;
};

class FakeHost : public LinkHost {
public:
    explicit FakeHost(model::ConfigImage &image) : m_image(image) {}

    int normaliseCalls = 0;
    int takePageCalls = 0;
    int showPageCalls = 0;
    std::vector<char> calls;  // 'T', 'N', 'S' in call order

    void NormaliseImage() override
    {
        ++normaliseCalls;
        calls.push_back('N');
        model::NormaliseImage(m_image);
    }
    void TakePage() override
    {
        ++takePageCalls;
        calls.push_back('T');
    }
    void ShowPage() override
    {
        ++showPageCalls;
        calls.push_back('S');
    }
    [[nodiscard]] MonitorInputs monitorInputs() const override { return {}; }

private:
    model::ConfigImage &m_image;
};

// Everything a tick needs, with the clock in the test's hand.
struct LinkRig {
    model::ConfigImage image;
    FakeHost host{image};
    FakePort port;
    FakeUnit unit{port};
    DeviceLink link{image, host};

    LinkRig()
    {
        WriteHeader(image, "PCT", 1);
        model::NormaliseImage(image);
        link.setPort(&port);
    }

    void tick(int count = 1)
    {
        for (int i = 0; i < count; ++i) {
            port.advance();
            link.tick();
        }
    }

    // Ticks until the transfer ends; returns the ticks spent (or limit + 1).
    int tickUntilIdle(int limit = 1000)
    {
        for (int i = 1; i <= limit; ++i) {
            tick();
            if (link.transferMode() == TransferMode::Idle) {
                return i;
            }
        }
        return limit + 1;
    }

    // First bytes of the frames written that were not polls.
    [[nodiscard]] std::vector<std::uint8_t> requests() const
    {
        std::vector<std::uint8_t> codes;
        for (const Frame &frame : port.written) {
            if (frame[0] != PollByte) {
                codes.push_back(frame[0]);
            }
        }
        return codes;
    }
};

}  // namespace korvane::link::test
