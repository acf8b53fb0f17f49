// Status and Result<T>: how pure code reports failure without exceptions.
// The message is the Japanese description a window shows to the user.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace zel {

enum class StatusCode { Ok, InvalidArgument, IoError, CorruptInput };

class Status {
public:
    Status() = default;
    static Status ok() { return {}; }
    static Status invalidArgument(std::string msg) { return {StatusCode::InvalidArgument, std::move(msg)}; }
    static Status ioError(std::string msg) { return {StatusCode::IoError, std::move(msg)}; }
    static Status corruptInput(std::string msg) { return {StatusCode::CorruptInput, std::move(msg)}; }

    bool isOk() const { return m_code == StatusCode::Ok; }
    explicit operator bool() const { return isOk(); }
    StatusCode code() const { return m_code; }
    const std::string& message() const { return m_message; }

private:
    Status(StatusCode code, std::string msg) : m_code(code), m_message(std::move(msg)) {}
    StatusCode m_code = StatusCode::Ok;
    std::string m_message;
};

template <class T> class Result {
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Status status) : m_status(std::move(status)) {}

    bool isOk() const { return m_status.isOk() && m_value.has_value(); }
    explicit operator bool() const { return isOk(); }
    const Status& status() const { return m_status; }
    T& value() { return *m_value; }
    const T& value() const { return *m_value; }
    T& operator*() { return *m_value; }
    const T& operator*() const { return *m_value; }
    T* operator->() { return &*m_value; }
    const T* operator->() const { return &*m_value; }

private:
    Status m_status;
    std::optional<T> m_value;
};

} // namespace zel
