#pragma once
// The client side of a DDE conversation, as the program group step uses it.
// Each call leaves its outcome in the last-error code, which GetLastError
// reads and clears; zero means success.

#include <cstdint>
#include <optional>
#include <string>

inline constexpr std::uint32_t kDdeErrDllNotInitialized = 0x4003;
inline constexpr std::uint32_t kDdeErrInvalidParameter = 0x4006;
inline constexpr std::uint32_t kDdeErrNotProcessed = 0x4009;
inline constexpr std::uint32_t kDdeErrNoConvEstablished = 0x400A;

class IDdeClient {
 public:
  virtual ~IDdeClient() = default;
  virtual bool Initialize() = 0;
  virtual bool Connect(const std::string& service, const std::string& topic) = 0;
  // A text request (CF_TEXT); the reply's text.
  virtual std::optional<std::string> Request(const std::string& item) = 0;
  // An execute transaction carrying `command` as text.
  virtual bool Execute(const std::string& command) = 0;
  virtual void Disconnect() = 0;
  virtual void Uninitialize() = 0;
  virtual std::uint32_t GetLastError() = 0;
};
