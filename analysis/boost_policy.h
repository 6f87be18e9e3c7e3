// How the analysis calls Boost.Math: in double throughout (no promotion to long double, which
// costs time the report does not need), and reporting trouble by value rather than by exception,
// since nothing may be thrown across the library's C entry points that the report calls around.
#pragma once

#include <boost/math/policies/policy.hpp>

namespace kestrivo::analysis {

using MathPolicy = boost::math::policies::policy<
    boost::math::policies::promote_double<false>,
    boost::math::policies::domain_error<boost::math::policies::errno_on_error>,
    boost::math::policies::pole_error<boost::math::policies::errno_on_error>,
    boost::math::policies::overflow_error<boost::math::policies::errno_on_error>,
    boost::math::policies::evaluation_error<boost::math::policies::errno_on_error>>;

}  // namespace kestrivo::analysis
