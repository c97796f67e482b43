// The whole public interface of the astronomical computation.
#pragma once
